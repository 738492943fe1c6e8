// Stepping or jumping through the skins or the wallpapers.
#pragma once

struct AppState;
struct ClockImage;

enum { PICK_NEXT = 1, PICK_PREVIOUS = 2, PICK_FIRST = 3, PICK_LAST = 4, PICK_RANDOM = 5 };
enum { KIND_SKIN = 1, KIND_WALLPAPER = 2 };

struct ImageChanger {
  ClockImage* image;
  AppState* app;

  int ChangeImage(int mode, int kind, int current);
};
