// The wallpaper dialog's miniature of the screen: a 194 by 146 picture,
// frame included, of a bitmap file in one of the display styles.
#pragma once
#include <windows.h>

#include "skins/preview_geometry.h"

enum { PREVIEW_PICTURE_WIDTH = 194, PREVIEW_PICTURE_HEIGHT = 146 };

struct PreviewTarget {
  HDC dc;
  int x, y;                   // where the picture's top-left corner goes
  PreviewScreen screen;
  int dpi;  // the miniature is 194 by 146 at 96 DPI, scaled with it
};

// Draws the bitmap at path; 1 when one was drawn. A path that is empty or
// cannot be read as a bitmap leaves the empty frame.
int PaintWallpaperPreview(const PreviewTarget* target, const char* path, int style);
