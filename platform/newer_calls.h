// Calls that Windows 98 or NT 4.0 lack, looked up when first needed so that
// the program loads on every system it names. A null entry means this
// system lacks the call and its user takes the older way; tests clear
// entries to walk those ways.
#pragma once
#include <windows.h>

struct NewerCalls {
  BOOL(WINAPI* globalMemoryStatusEx)(LPMEMORYSTATUSEX status);                        // 2000
  BOOL(WINAPI* isProcessorFeaturePresent)(DWORD feature);  // NT 4; knows SSE2 from XP
  BOOL(WINAPI* getSystemTimes)(LPFILETIME idle, LPFILETIME kernel, LPFILETIME user);  // XP SP1
  BOOL(WINAPI* enumDisplayMonitors)
  (HDC dc, LPCRECT clip, MONITORENUMPROC callback,
   LPARAM data);                                                       // 98, 2000
  BOOL(WINAPI* getMonitorInfo)(HMONITOR monitor, LPMONITORINFO info);  // 98, 2000
  HMONITOR(WINAPI* monitorFromWindow)(HWND window, DWORD flags);      // 98, 2000
  BOOL(WINAPI* setLayeredWindowAttributes)
  (HWND window, COLORREF key, BYTE alpha, DWORD flags);                   // 2000
  // DPI awareness, newest first: 10 1703, 8.1, Vista.
  BOOL(WINAPI* setProcessDpiAwarenessContext)(HANDLE context);
  HRESULT(WINAPI* setProcessDpiAwareness)(int awareness);
  BOOL(WINAPI* setProcessDpiAware)();
  UINT(WINAPI* getDpiForWindow)(HWND window);                                   // 10 1607
  HRESULT(WINAPI* getDpiForMonitor)(HMONITOR monitor, int kind, UINT* x, UINT* y);  // 8.1
};

NewerCalls* Newer();

// Takes the call name from module (which may be NULL) into *call; 1 when
// the module has it.
template <typename Call>
int FindCall(HMODULE module, const char* name, Call* call) {
  *call = module ? (Call)(void*)GetProcAddress(module, name) : NULL;
  return *call != NULL;
}

// 1 when both the processor and the system run SSE2 instructions.
int ProcessorRunsSse2();
// Declares the process aware of each monitor's DPI in the newest way the
// system knows; older systems draw at their one DPI anyway.
void MakeDpiAware();
// The DPI the window is shown at: its monitor's, else the system's.
int WindowDpi(HWND window);
// The work area of the monitor the window is on; the primary one where the
// system knows no monitors.
void WindowWorkArea(HWND window, RECT* area);

