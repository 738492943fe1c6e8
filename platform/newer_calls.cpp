#include "platform/newer_calls.h"

template <typename Call>
static void LookUp(Call* call, const char* module, const char* name) {
  HMODULE loaded = GetModuleHandleA(module);
  *call = loaded ? (Call)(void*)GetProcAddress(loaded, name) : NULL;
}

NewerCalls* Newer() {
  static NewerCalls calls;
  static int lookedUp;
  if (!lookedUp) {
    lookedUp = 1;
    LookUp(&calls.globalMemoryStatusEx, "kernel32.dll", "GlobalMemoryStatusEx");
    LookUp(&calls.getSystemTimes, "kernel32.dll", "GetSystemTimes");
    LookUp(&calls.enumDisplayMonitors, "user32.dll", "EnumDisplayMonitors");
    LookUp(&calls.getMonitorInfo, "user32.dll", "GetMonitorInfoA");
  }
  return &calls;
}
