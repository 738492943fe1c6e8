// Where a wallpaper bitmap lands in the 192 by 144 miniature of the screen,
// and which part of it is drawn there.
#pragma once

// The styles in the style box's order; fit and fill came with Windows 7,
// span with Windows 8.
enum { STYLE_CENTER, STYLE_TILE, STYLE_STRETCH, STYLE_FIT, STYLE_FILL, STYLE_SPAN, STYLE_COUNT };
enum { PREVIEW_WIDTH = 192, PREVIEW_HEIGHT = 144 };

struct PreviewScreen {
  int width, height;  // the screen the miniature shows
  // Every monitor together, from the screen's top-left corner; span lays
  // the picture over all of it. No width: the screen alone.
  int allLeft, allTop, allWidth, allHeight;
};

struct PreviewPlan {
  int xs, ys, sw, sh;  // source rectangle, always inside the bitmap
  int dx, dy, dw, dh;  // destination in the miniature; dw, dh at least 1
};

// bw, bh at least 1. A screen smaller than the miniature counts one screen
// pixel per preview pixel.
void PlanPreview(int bw, int bh, const PreviewScreen* screen, int style, PreviewPlan* plan);
