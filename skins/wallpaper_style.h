// The wallpaper style box's entries and the desktop's "TileWallpaper" and
// "WallpaperStyle" values.
#pragma once

// A registry text as a number: its leading digits, 0 when there are none.
int ParseStyleNumber(const char* text);

// How many styles, in the box's order, the system draws: fit and fill from
// NT 6.1 (Windows 7), span from NT 6.2 (Windows 8).
int StylesOfSystem(int isNt, int major, int minor);

// The style box: the styles the system draws and, after them, one entry
// for values in place that name none of those.
struct StyleBox {
  int offered;      // the first `offered` styles
  int stranger;     // 1 when entry `offered` stands for the values in place
  int selected;     // the entry of the values in place
  int tile, style;  // the values in place
};

void PlanStyleBox(int offered, int tile, int style, StyleBox* box);
// The values Windows itself writes for the entry.
void EntryValues(const StyleBox* box, int entry, int* tile, int* style);
// The style the preview draws the entry in; values no style of this
// system names are drawn centred.
int EntryPreviewStyle(const StyleBox* box, int entry);
