#include "events/event_platform.h"

EventPlatform eventPlatform = {
    GetVersionExA, OpenProcessToken, LookupPrivilegeValueA,
    AdjustTokenPrivileges, ExitWindowsEx, CloseHandle,   Sleep,
};
