// IDD_WALLPAPER: the wallpaper utility with its preview.
#pragma once
#include <windows.h>

struct AppState;

struct WallpaperDialogArgs {
  AppState* app;
  HWND owner;
};

void OpenWallpaperDialog(WallpaperDialogArgs* args);
