// Stepping or jumping through the skins or the wallpapers.
#pragma once
#include "skins/change_rules.h"

struct AppState;
struct ClockImage;

struct ImageChanger {
  ClockImage* image;
  AppState* app;

  int ChangeImage(int mode, int kind, int current);
};
