// Where a wallpaper bitmap lands in the 192 by 144 miniature of the screen,
// and which part of it is drawn there.
#pragma once

enum { STYLE_CENTER = 0, STYLE_TILE = 1, STYLE_STRETCH = 2 };
enum { PREVIEW_WIDTH = 192, PREVIEW_HEIGHT = 144 };

struct PreviewPlan {
  int xs, ys, sw, sh;  // source rectangle, always inside the bitmap
  int dx, dy, dw, dh;  // destination in the miniature; dw, dh at least 1
};

// bw, bh at least 1. A screen smaller than the miniature counts one screen
// pixel per preview pixel.
void PlanPreview(int bw, int bh, int screenW, int screenH, int style, PreviewPlan* plan);
