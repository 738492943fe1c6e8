// The start-up floor: a program that only shows a window where the clock
// stands and paints it once. zt_probe times it as it times the clock, so
// the clock's own share of its start-up is the difference.
#include <windows.h>

static LRESULT CALLBACK FloorProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(w, &ps);
      PatBlt(dc, 0, 0, 200, 200, WHITENESS);
      EndPaint(w, &ps);
      return 0;
    }
    case WM_COMMAND:  // the probe's close command
    case WM_CLOSE:
      DestroyWindow(w);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(w, m, wp, lp);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = FloorProc;
  wc.hInstance = instance;
  wc.lpszClassName = "ZENTICK";  // what the probe looks for
  RegisterClassA(&wc);
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  HWND w = CreateWindowExA(WS_EX_TOOLWINDOW, "ZENTICK", "ZENTICK", WS_POPUP, work.right / 2 - 100,
                           work.bottom / 2 - 100, 200, 200, NULL, NULL, instance, NULL);
  ShowWindow(w, SW_SHOW);
  MSG msg;
  while (GetMessageA(&msg, NULL, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
