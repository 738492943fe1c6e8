// The system calls behind hang-up, shutdown and the wait between them.
// The program leaves them on the system's; tests put recorders in their
// place so that nothing is hung up or shut down.
#pragma once
#include <windows.h>

struct EventPlatform {
  BOOL(WINAPI* getVersionEx)(LPOSVERSIONINFOA version);
  BOOL(WINAPI* openProcessToken)(HANDLE process, DWORD access, PHANDLE token);
  BOOL(WINAPI* lookupPrivilegeValue)(LPCSTR system, LPCSTR name, PLUID luid);
  BOOL(WINAPI* adjustTokenPrivileges)(HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES state,
                                      DWORD previousSize, PTOKEN_PRIVILEGES previous,
                                      PDWORD returnSize);
  BOOL(WINAPI* exitWindowsEx)(UINT flags, DWORD reason);
  BOOL(WINAPI* closeHandle)(HANDLE handle);
  void(WINAPI* sleep)(DWORD ms);
};

extern EventPlatform eventPlatform;
