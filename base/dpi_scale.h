// Sizes at a screen's DPI: every length of the face and the dialogs is
// given at 96 DPI and scaled by this one rule, so at 96 nothing moves.
#pragma once

enum { BASE_DPI = 96 };

// The sizes the user may give the clock, in percent of its own size.
enum { CLOCK_SIZE_SMALLEST = 50, CLOCK_SIZE_NORMAL = 100, CLOCK_SIZE_LARGEST = 200 };

// value * dpi / 96, rounded half away from zero as MulDiv rounds.
int ScaleToDpi(int value, int dpi);

// The size in effect for a stored one: outside the offered range (a
// hand-edited file) the normal size, so the clock never shrinks to nothing.
int ClockSizeInEffect(int sizePercent);
// The DPI the clock is drawn at: the screen's, times the size in effect.
int ClockDpi(int screenDpi, int sizePercent);
