#include "events/event_actions.h"

#include "events/event_platform.h"
#include "platform/system_paths.h"
#include "platform/system_text.h"

void OpenEventFile(const char* stored) {
  char path[PATH_SIZE];
  if (StoredTextToPath(SystemCp932(), stored, path, sizeof path))
    OpenWithShell(NULL, path, SW_SHOW);
}

void ShowEventMessage(const char* text) { ShowMessage(NULL, text, "Message", MB_SETFOREGROUND); }

static void EnableShutdownPrivilege(HANDLE token) {
  TOKEN_PRIVILEGES privilege = {};
  privilege.PrivilegeCount = 1;
  privilege.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  eventPlatform.lookupPrivilegeValue(NULL, "SeShutdownPrivilege", &privilege.Privileges[0].Luid);
  eventPlatform.adjustTokenPrivileges(token, FALSE, &privilege, 0, NULL, NULL);
}

int ShutdownSystem(int forced) {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  eventPlatform.getVersionEx(&version);
  if (version.dwPlatformId != VER_PLATFORM_WIN32_NT) {
    eventPlatform.exitWindowsEx(EWX_SHUTDOWN | EWX_POWEROFF | (forced ? EWX_FORCE : 0), 0);
    return 1;
  }
  HANDLE token;
  if (!eventPlatform.openProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                                      &token))
    return 1;
  EnableShutdownPrivilege(token);
  eventPlatform.closeHandle(token);
  // This family closes programs without asking for both kinds.
  eventPlatform.exitWindowsEx(EWX_SHUTDOWN | EWX_FORCE, 0);
  return 1;
}
