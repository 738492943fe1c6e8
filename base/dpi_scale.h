// Sizes at a screen's DPI: every length of the face and the dialogs is
// given at 96 DPI and scaled by this one rule, so at 96 nothing moves.
#pragma once

enum { BASE_DPI = 96 };

// value * dpi / 96, rounded half away from zero as MulDiv rounds.
int ScaleToDpi(int value, int dpi);
