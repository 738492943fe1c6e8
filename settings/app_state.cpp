#include "settings/app_state.h"

#include <stdlib.h>
#include <string.h>

#include "base/cp932.h"

AppState LoadStartUpState() {
  AppState app = {};
  char exePath[PATH_SIZE] = "";
  GetModuleFileNameA(NULL, exePath, PATH_SIZE);
  if (!app.Load(exePath) && strlen(exePath) > LONGEST_EXE_PATH)
    MessageBoxA(NULL, "long path", "error", MB_OK);
  return app;
}

int AppState::Load(const char* exePath) {
  memset(this, 0, sizeof *this);
  appName = "ZENTICK";
  if (strlen(exePath) > LONGEST_EXE_PATH) return 0;
  const char* slash = FindLastBackslash(exePath);
  if (!slash) return 0;
  memcpy(exeDir, exePath, slash + 1 - exePath);
  exeDir[slash + 1 - exePath] = 0;
  JoinText(dataDir, PATH_SIZE, exeDir, "data\\", "");
  DataFilePath(dataDir, "Zentick", ".ini", iniPath);
  LoadMirrors();
  return 1;
}

void AppState::LoadMirrors() {
  posLock = ReadSettingInt("WINDOW", "POSLOCK", 0);
  fvMove = ReadSettingInt("WINDOW", "FVMOVE", 0);
  top = ReadSettingInt("WINDOW", "TOP", 0);
  bottom = ReadSettingInt("WINDOW", "BOTTOM", 0);
  wndHide = ReadSettingInt("WINDOW", "WNDHIDE", 0);
  nonSec = ReadSettingInt("OBJECT", "NONSEC", 0);
  sound = ReadSettingInt("EXT", "SOUND", 0);
  tray = ReadSettingInt("EXT", "TRAY", 0);
  bootChange = ReadSettingInt("IMAGE", "BOOT_CHANGE", 0);
  timeChange = ReadSettingInt("IMAGE", "TIME_CHANGE", 0);
  changeMin = ReadSettingInt("IMAGE", "CHANGE_MIN", 60);
  skinMinutes = 0;
  imageLastNum = ReadSettingInt("IMAGE", "LAST_NUM", -1);
  changeRnd = ReadSettingInt("IMAGE", "CHANGE_RND", 0);
  allowCheck = ReadSettingInt("MAIL", "ALLOW_CHECK", 0);
  checkTime = ReadSettingInt("MAIL", "CHECK_TIME", 30);
  mailMinutes = 0;
  useSound = ReadSettingInt("MAIL", "USE_SOUND", 0);
  wallpaperAutoChange = ReadSettingInt("WALLPAPER", "AUTO_CHANGE", 0);
  wallpaperChangeTime = ReadSettingInt("WALLPAPER", "CHANGE_TIME", 60);
  wallpaperMinutes = 0;
  wallpaperLastNum = ReadSettingInt("WALLPAPER", "LAST_NUM", -1);
  openDialog = DIALOG_NONE;
}

int AppState::ReadSettingInt(const char* section, const char* key, int def) {
  return (int)GetPrivateProfileIntA(section, key, def, iniPath);
}

void AppState::WriteSettingInt(const char* section, const char* key, int value) {
  char text[32];
  itoa(value, text, 10);
  WritePrivateProfileStringA(section, key, text, iniPath);
}

int AppState::ReadSettingString(const char* section, const char* key, char* buffer,
                                const char* def) {
  return (int)GetPrivateProfileStringA(section, key, def, buffer, PATH_SIZE, iniPath);
}

void AppState::WriteSettingString(const char* section, const char* key, const char* value) {
  WritePrivateProfileStringA(section, key, value, iniPath);
}

void AppState::ToggleSetting(int* mirror, const char* section, const char* key) {
  *mirror = *mirror == 0 ? 1 : 0;
  WriteSettingInt(section, key, *mirror);
}
