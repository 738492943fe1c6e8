// The decisions of a skin or wallpaper change, apart from the folder search.
#pragma once

#include "base/dpi_scale.h"

enum { PICK_NEXT = 1, PICK_PREVIOUS = 2, PICK_FIRST = 3, PICK_LAST = 4, PICK_RANDOM = 5 };
enum { KIND_SKIN = 1, KIND_WALLPAPER = 2 };

// The runtime's generator in the program, a fixed sequence in tests.
typedef int (*RandomSource)(void* context);

// The position a change moves to among count files from current (-1 when
// none was stored), or -1 when the change is to do nothing.
int PickPosition(int mode, int count, int current, RandomSource random, void* context);

// Left edge of the background dialog beside a clock with these edges, on
// a screen of dpi (the dialog and the gap grow with it).
int BackgroundDialogLeft(int clockLeft, int clockRight, int dpi = BASE_DPI);
