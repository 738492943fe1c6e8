// Entry point: one clock per desktop.
#include <windows.h>

#include "base/product.h"
#include "shell/globals.h"
#include "shell/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  theApp = LoadStartUpState();
  CreateMutexA(NULL, TRUE, ZT_APP_NAME);
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    HWND running = FindWindowA(ZT_APP_NAME, ZT_APP_NAME);
    SetForegroundWindow(running);
    ShowWindow(running, SW_SHOW);
    return 0;
  }
  if (!InitInstance()) return 0;
  RunMessageLoop();
  return 0;
}
