// The wallpaper style box's index and the desktop's "TileWallpaper" and
// "WallpaperStyle" values.
#pragma once

// A registry text as a number: its leading digits, 0 when there are none.
int ParseStyleNumber(const char* text);
// Tiling wins over the style number.
int StyleIndexFromValues(int tile, int style);
void StyleValuesForIndex(int index, int* tile, int* style);
