#include "skins/wallpaper.h"

#include <windows.h>

#include "settings/app_state.h"
#include "skins/wallpaper_style.h"
#include "platform/system_paths.h"

static const char kDesktopKey[] = "Control Panel\\desktop";

void ApplyDesktopWallpaper(const char* path) {
  SetWallpaperPath(path, SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE);
}

void SetWallpaper(AppState* app, const char* path) {
  ApplyDesktopWallpaper(path);
  app->WriteSettingString(Setting::wallpaperLastFile, path);
}

static int ReadStyleValue(HKEY key, const char* name) {
  char text[4] = "";
  DWORD size = sizeof text, type = 0;
  if (RegQueryValueExA(key, name, NULL, &type, (BYTE*)text, &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return 0;
  // A value stored without its zero still ends inside the buffer.
  text[size < sizeof text ? size : sizeof text - 1] = 0;
  return ParseStyleNumber(text);
}

void ReadWallpaperStyle(int* tile, int* style) {
  *tile = *style = 0;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  *tile = ReadStyleValue(key, "TileWallpaper");
  *style = ReadStyleValue(key, "WallpaperStyle");
  RegCloseKey(key);
}

static void WriteStyleValue(HKEY key, const char* name, int value) {
  char text[12];
  wsprintfA(text, "%d", value);
  RegSetValueExA(key, name, 0, REG_SZ, (const BYTE*)text, lstrlenA(text) + 1);
}

void WriteWallpaperStyle(int tile, int style) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, NULL, 0, KEY_WRITE, NULL, &key, NULL) !=
      ERROR_SUCCESS)
    return;
  WriteStyleValue(key, "TileWallpaper", tile);
  WriteStyleValue(key, "WallpaperStyle", style);
  RegCloseKey(key);
}

int DesktopStyleCount() {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version)) return StylesOfSystem(0, 0, 0);
  // Without the manifest's word for the newer systems this would say 6.2
  // on all of them, which still counts every style.
  return StylesOfSystem(version.dwPlatformId == VER_PLATFORM_WIN32_NT, (int)version.dwMajorVersion,
                        (int)version.dwMinorVersion);
}

void MakeIconTextTransparent() {
  int element = COLOR_BACKGROUND;
  COLORREF transparent = 0xFFFFFFFF;
  SetSysColors(1, &element, &transparent);
}
