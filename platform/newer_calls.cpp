#include "platform/newer_calls.h"

NewerCalls* Newer() {
  static NewerCalls calls;
  static int lookedUp;
  if (!lookedUp) {
    lookedUp = 1;
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll"), user32 = GetModuleHandleA("user32.dll");
    FindCall(kernel32, "GlobalMemoryStatusEx", &calls.globalMemoryStatusEx);
    FindCall(kernel32, "GetSystemTimes", &calls.getSystemTimes);
    FindCall(kernel32, "IsProcessorFeaturePresent", &calls.isProcessorFeaturePresent);
    FindCall(user32, "EnumDisplayMonitors", &calls.enumDisplayMonitors);
    FindCall(user32, "GetMonitorInfoA", &calls.getMonitorInfo);
    FindCall(user32, "MonitorFromWindow", &calls.monitorFromWindow);
    FindCall(user32, "SetLayeredWindowAttributes", &calls.setLayeredWindowAttributes);
    FindCall(user32, "SetProcessDpiAwarenessContext", &calls.setProcessDpiAwarenessContext);
    FindCall(user32, "SetProcessDPIAware", &calls.setProcessDpiAware);
    FindCall(user32, "GetDpiForWindow", &calls.getDpiForWindow);
    // shcore only where user32 lacks the newest ways (8.1 to 10 1607): it
    // would load shell libraries at every start. It stays for the
    // process's life.
    if (!calls.setProcessDpiAwarenessContext || !calls.getDpiForWindow) {
      HMODULE shcore = LoadLibraryA("shcore.dll");
      FindCall(shcore, "SetProcessDpiAwareness", &calls.setProcessDpiAwareness);
      FindCall(shcore, "GetDpiForMonitor", &calls.getDpiForMonitor);
    }
  }
  return &calls;
}

enum { PROCESS_PER_MONITOR_AWARE = 2, MONITOR_EFFECTIVE_DPI = 0, DEFAULT_DPI = 96 };

int ProcessorRunsSse2() {
  enum { SSE2_FEATURE = 10 };  // PF_XMMI64_INSTRUCTIONS_AVAILABLE
  NewerCalls* n = Newer();
  return n->isProcessorFeaturePresent && n->isProcessorFeaturePresent(SSE2_FEATURE);
}

void MakeDpiAware() {
  NewerCalls* n = Newer();
  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, then the first per-monitor way.
  if (n->setProcessDpiAwarenessContext && n->setProcessDpiAwarenessContext((HANDLE)-4)) return;
  if (n->setProcessDpiAwareness && SUCCEEDED(n->setProcessDpiAwareness(PROCESS_PER_MONITOR_AWARE)))
    return;
  if (n->setProcessDpiAware) n->setProcessDpiAware();
}

static int SystemDpi() {
  HDC screen = GetDC(NULL);
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen) ReleaseDC(NULL, screen);
  return dpi > 0 ? dpi : DEFAULT_DPI;
}

int WindowDpi(HWND window) {
  NewerCalls* n = Newer();
  if (n->getDpiForWindow) {
    UINT dpi = n->getDpiForWindow(window);
    if (dpi) return (int)dpi;
  }
  if (n->getDpiForMonitor && n->monitorFromWindow) {
    UINT x = 0, y = 0;
    HMONITOR monitor = n->monitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (monitor && SUCCEEDED(n->getDpiForMonitor(monitor, MONITOR_EFFECTIVE_DPI, &x, &y)) && x)
      return (int)x;
  }
  return SystemDpi();
}

void WindowWorkArea(HWND window, RECT* area) {
  NewerCalls* n = Newer();
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  HMONITOR monitor =
      n->monitorFromWindow ? n->monitorFromWindow(window, MONITOR_DEFAULTTONEAREST) : NULL;
  if (monitor && n->getMonitorInfo && n->getMonitorInfo(monitor, &info)) *area = info.rcWork;
  else SystemParametersInfoA(SPI_GETWORKAREA, 0, area, 0);
}
