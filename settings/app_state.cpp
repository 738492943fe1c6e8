#include "settings/app_state.h"

#include <stdlib.h>
#include <string.h>

#include "base/unicode.h"
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
  appName = "ZENTICK";
  if (Utf16Length(exePath) > LONGEST_EXE_PATH) return 0;
  const char* slash = LastPathSeparator(exePath);
  if (!slash) return 0;
  memcpy(exeDir, exePath, slash + 1 - exePath);
  exeDir[slash + 1 - exePath] = 0;
  JoinText(dataDir, PATH_SIZE, exeDir, "data\\", "");
  DataFilePath(dataDir, "Zentick", ".ini", iniPath);
  LoadMirrors();
  return 1;
}

// Every mirrored setting: where it lives in the file, and its default.
static const struct {
  int AppState::*mirror;
  const char* section;
  const char* key;
  int def;
} kMirrors[] = {
    {&AppState::posLock, SECTION_WINDOW, "POSLOCK", 0},
    {&AppState::fvMove, SECTION_WINDOW, "FVMOVE", 0},
    {&AppState::top, SECTION_WINDOW, "TOP", 0},
    {&AppState::bottom, SECTION_WINDOW, "BOTTOM", 0},
    {&AppState::wndHide, SECTION_WINDOW, "WNDHIDE", 0},
    {&AppState::nonSec, SECTION_OBJECT, "NONSEC", 0},
    {&AppState::sound, SECTION_EXT, "SOUND", 0},
    {&AppState::tray, SECTION_EXT, "TRAY", 0},
    {&AppState::bootChange, SECTION_IMAGE, "BOOT_CHANGE", 0},
    {&AppState::timeChange, SECTION_IMAGE, "TIME_CHANGE", 0},
    {&AppState::changeMin, SECTION_IMAGE, "CHANGE_MIN", 60},
    {&AppState::imageLastNum, SECTION_IMAGE, "LAST_NUM", -1},
    {&AppState::changeRnd, SECTION_IMAGE, "CHANGE_RND", 0},
    {&AppState::allowCheck, SECTION_MAIL, "ALLOW_CHECK", 0},
    {&AppState::checkTime, SECTION_MAIL, "CHECK_TIME", 30},
    {&AppState::useSound, SECTION_MAIL, "USE_SOUND", 0},
    {&AppState::wallpaperAutoChange, SECTION_WALLPAPER, "AUTO_CHANGE", 0},
    {&AppState::wallpaperChangeTime, SECTION_WALLPAPER, "CHANGE_TIME", 60},
    {&AppState::wallpaperLastNum, SECTION_WALLPAPER, "LAST_NUM", -1},
};

void AppState::LoadMirrors() {
  for (const auto& m : kMirrors) this->*m.mirror = ReadSettingInt(m.section, m.key, m.def);
  skinMinutes = 0;
  mailMinutes = 0;
  wallpaperMinutes = 0;
  openDialog = DIALOG_NONE;
}

int AppState::ReadSettingInt(const char* section, const char* key, int def) {
  return (int)ReadProfileInt(iniPath, section, key, def);
}

void AppState::WriteSettingInt(const char* section, const char* key, int value) {
  char text[32];
  itoa(value, text, 10);
  WriteProfileText(iniPath, section, key, text);
}

int AppState::ReadSettingString(const char* section, const char* key, char* buffer,
                                const char* def) {
  return ReadProfilePath(iniPath, section, key, def, buffer, PATH_SIZE);
}

void AppState::WriteSettingString(const char* section, const char* key, const char* value) {
  WriteProfileText(iniPath, section, key, value);
}

void AppState::ToggleSetting(int* mirror, const char* section, const char* key) {
  *mirror = *mirror == 0 ? 1 : 0;
  WriteSettingInt(section, key, *mirror);
}

void AppState::ToggleMirror(int AppState::*mirror) {
  for (const auto& m : kMirrors)
    if (m.mirror == mirror) ToggleSetting(&(this->*mirror), m.section, m.key);
}
