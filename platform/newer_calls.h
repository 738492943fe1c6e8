// Calls that Windows 98 or NT 4.0 lack, looked up when first needed so that
// the program loads on every system it names. A null entry means this
// system lacks the call and its user takes the older way; tests clear
// entries to walk those ways.
#pragma once
#include <windows.h>

struct NewerCalls {
  BOOL(WINAPI* globalMemoryStatusEx)(LPMEMORYSTATUSEX status);                        // 2000
  BOOL(WINAPI* getSystemTimes)(LPFILETIME idle, LPFILETIME kernel, LPFILETIME user);  // XP SP1
  BOOL(WINAPI* enumDisplayMonitors)
  (HDC dc, LPCRECT clip, MONITORENUMPROC callback,
   LPARAM data);                                                       // 98, 2000
  BOOL(WINAPI* getMonitorInfo)(HMONITOR monitor, LPMONITORINFO info);  // 98, 2000
};

NewerCalls* Newer();

// Takes the call name from module (which may be NULL) into *call; 1 when
// the module has it.
template <typename Call>
int FindCall(HMODULE module, const char* name, Call* call) {
  *call = module ? (Call)(void*)GetProcAddress(module, name) : NULL;
  return *call != NULL;
}
