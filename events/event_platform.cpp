#include "events/event_platform.h"

EventPlatform eventPlatform = {
    RasEnumConnectionsA, RasHangUpA,            GetVersionExA, OpenProcessToken, LookupPrivilegeValueA,
    AdjustTokenPrivileges, ExitWindowsEx, CloseHandle,   Sleep,
};
