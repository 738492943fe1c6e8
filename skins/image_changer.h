// Stepping or jumping through the skins or the wallpapers.
#pragma once
#include "skins/change_rules.h"

#include <windows.h>

struct AppState;
struct ClockImage;

struct ImageChanger {
  ClockImage* image;
  AppState* app;

  int ChangeImage(int mode, int kind, int current);
};

// The minute jobs of the timed skin change (context: the ClockImage) and
// of the half minute's wallpaper change (context: none).
void CountSkinMinute(void* image, AppState* app, const SYSTEMTIME* time);
void CountWallpaperHalfMinute(void* unused, AppState* app, const SYSTEMTIME* time);
