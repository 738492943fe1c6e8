#include "platform/newer_calls.h"

NewerCalls* Newer() {
  static NewerCalls calls;
  static int lookedUp;
  if (!lookedUp) {
    lookedUp = 1;
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll"), user32 = GetModuleHandleA("user32.dll");
    FindCall(kernel32, "GlobalMemoryStatusEx", &calls.globalMemoryStatusEx);
    FindCall(kernel32, "GetSystemTimes", &calls.getSystemTimes);
    FindCall(user32, "EnumDisplayMonitors", &calls.enumDisplayMonitors);
    FindCall(user32, "GetMonitorInfoA", &calls.getMonitorInfo);
  }
  return &calls;
}
