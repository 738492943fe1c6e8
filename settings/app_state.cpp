#include "settings/app_state.h"

#include <stdlib.h>
#include <string.h>

#include "base/product.h"
#include "base/unicode.h"
#include "platform/profile_file.h"
#include "platform/system_paths.h"
#include "platform/system_text.h"

AppState LoadStartUpState() {
  AppState app = {};
  char exePath[PATH_SIZE] = "";
  ExecutablePath(exePath);
  if (!app.Load(exePath) && Utf16Length(exePath) > LONGEST_EXE_PATH)
    ShowMessage(NULL, "long path", "error", MB_OK);
  return app;
}

int AppState::Load(const char* exePath) {
  memset(this, 0, sizeof *this);
  if (Utf16Length(exePath) > LONGEST_EXE_PATH) return 0;
  const char* slash = LastPathSeparator(exePath);
  if (!slash) return 0;
  char exeDir[PATH_SIZE];
  memcpy(exeDir, exePath, slash + 1 - exePath);
  exeDir[slash + 1 - exePath] = 0;
  JoinText(dataDir, PATH_SIZE, exeDir, "data\\", "");
  DataFilePath(dataDir, ZT_SETTINGS_FILE, "", iniPath);
  StartNewDataFolder();
  LoadHeld();
  return 1;
}

// A new user, whose data folder has no settings file yet, starts with
// mail passwords sent only over TLS; a file of the original program's,
// without the key, keeps the old default.
void AppState::StartNewDataFolder() {
  if (PathAttributes(iniPath) == INVALID_FILE_ATTRIBUTES &&
      GetLastError() == ERROR_FILE_NOT_FOUND)
    WriteSettingInt(Setting::mailTlsRequired, 1);
}

static int ReadFileInt(const char* iniPath, const SettingRow* row, int absent) {
  return (int)ReadProfileInt(iniPath, row->section, row->key, absent);
}

void AppState::LoadHeld() {
  for (int i = 0; i < SETTING_COUNT; i++) {
    const SettingRow* row = SettingRowOf((Setting)i);
    if (row->held) held[i] = ReadFileInt(iniPath, row, row->initial);
  }
}

int AppState::ReadSettingInt(Setting setting) {
  return ReadSettingInt(setting, SettingRowOf(setting)->initial);
}

int AppState::ReadSettingInt(Setting setting, int absent) {
  const SettingRow* row = SettingRowOf(setting);
  return row->held ? held[(int)setting] : ReadFileInt(iniPath, row, absent);
}

void AppState::WriteSettingInt(Setting setting, int value) {
  const SettingRow* row = SettingRowOf(setting);
  if (row->held) held[(int)setting] = value;
  char text[32];
  itoa(value, text, 10);
  WriteProfileText(iniPath, row->section, row->key, text);
}

void AppState::ToggleSetting(Setting setting) {
  WriteSettingInt(setting, ReadSettingInt(setting) == 0 ? 1 : 0);
}

int AppState::ReadSettingString(Setting setting, char* buffer) {
  const SettingRow* row = SettingRowOf(setting);
  return ReadProfilePath(iniPath, row->section, row->key, "", buffer, PATH_SIZE);
}

void AppState::WriteSettingString(Setting setting, const char* value) {
  const SettingRow* row = SettingRowOf(setting);
  WriteProfileText(iniPath, row->section, row->key, value);
}
