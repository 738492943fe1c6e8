// How opaque the clock is: below full opacity the window is layered, at
// full opacity it is a plain window, drawn exactly as always.
#pragma once
#include <windows.h>

struct AppState;

// The opacities offered, in percent.
enum { OPACITY_LOWEST = 50, OPACITY_FULL = 100 };

// Whether this system can show a window translucent (2000 and later).
int CanChangeOpacity();
// The opacity in effect for a stored one: outside the offered range (a
// hand-edited file), or where the system cannot, full opacity.
int OpacityInEffect(int percent);
// Shows the window at the opacity in effect.
void ApplyOpacity(HWND window, int percent);
// The opacity the user chose, stored and shown.
void SetClockOpacity(HWND window, AppState* app, int percent);
