#include "skin_support.h"

#include "skins/bmp_view.h"
#include "skins/skin_format.h"

static void Put32(std::string* b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; i++) (*b)[at + i] = (char)(v >> (8 * i));
}

std::string QuarterBitmap(int width, int height) {
  size_t stride = BmpRowBytes(width, 24);
  std::string b(54 + stride * height, '\0');
  b[0] = 'B', b[1] = 'M';
  Put32(&b, 2, (uint32_t)b.size());
  Put32(&b, 10, 54);
  Put32(&b, 14, 40);
  Put32(&b, 18, width);
  Put32(&b, 22, height);
  b[26] = 1, b[28] = 24;
  static const COLORREF quarters[4] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255),
                                       RGB(255, 255, 0)};
  for (int y = 0; y < height; y++)
    for (int x = 0; x < width; x++) {
      COLORREF c = quarters[(y >= height / 2) * 2 + (x >= width / 2)];
      char* p = &b[54 + stride * (height - 1 - y) + 3 * x];
      p[0] = (char)GetBValue(c), p[1] = (char)GetGValue(c), p[2] = (char)GetRValue(c);
    }
  return b;
}

std::string SkinFile(const char* title, const char* author) {
  std::string bmp = QuarterBitmap(200, 200);
  BmpView view;
  std::vector<unsigned char> skin;
  if (!ParseBmpFile((const unsigned char*)bmp.data(), bmp.size(), &view) ||
      !BuildSkinFile(&view, title, author, &skin))
    return "";
  return std::string(skin.begin(), skin.end());
}

std::vector<std::string> SearchOrder(const std::string& folder, const char* extension) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((folder + "*." + extension).c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return names;
  do names.push_back(found.cFileName);
  while (FindNextFileA(h, &found));
  FindClose(h);
  return names;
}

struct Script {
  const char* caption;
  DialogAct act;
  void* context;
  bool seen;
};

static DWORD WINAPI RunScript(void* p) {
  Script* s = (Script*)p;
  HWND dialog = NULL;
  // The window exists before its initialisation has run; a modal dialog
  // shows only once that is done.
  for (int i = 0; i < 200 && !dialog; i++) {
    dialog = FindWindowA("#32770", s->caption);
    if (dialog && !IsWindowVisible(dialog)) dialog = NULL;
    if (!dialog) Sleep(50);
  }
  if (!dialog) return 0;
  s->seen = true;
  s->act(dialog, s->context);
  if (IsWindow(dialog)) SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  return 0;
}

bool RunDialog(HWND clock, int command, const char* caption, DialogAct act, void* context) {
  Script s = {caption, act, context, false};
  HANDLE thread = CreateThread(NULL, 0, RunScript, &s, 0, NULL);
  PostMessageA(clock, WM_COMMAND, command, 0);
  while (MsgWaitForMultipleObjects(1, &thread, FALSE, 20000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  CloseHandle(thread);
  return s.seen;
}

std::string WallpaperNow() {
  char path[MAX_PATH] = "";
  SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof path, path, 0);
  return path;
}

void NotifyDialog(HWND dialog, int id, int code) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), (LPARAM)GetDlgItem(dialog, id));
}

std::string ControlText(HWND dialog, int id) {
  char text[512] = "";
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}
