// Stepping or jumping through the skins or the wallpapers.
#pragma once
#include "skins/change_rules.h"

#include <windows.h>

struct AppState;
struct ClockImage;
struct JobCall;

struct ImageChanger {
  ClockImage* image;
  AppState* app;

  int ChangeImage(int mode, int kind, int current);
};

// Boundaries counted since the skin (the wallpaper) last changed: the jobs
// below count them, every change and the change's dialog start them anew.
extern int skinMinutes;
extern int wallpaperMinutes;

// The minute job of the timed skin change (context: the ClockImage) and the
// half-minute job of the wallpaper change (context: none).
void CountSkinMinute(const JobCall* call);
void CountWallpaperHalfMinute(const JobCall* call);
