// The open-folder button image of the background dialog: an open folder
// with a bent arrow rising out of it.
#include "tools/assets/assets.h"

static const Rgb kGrey = {192, 192, 192};
static const Rgb kBlack = {0, 0, 0};
static const Rgb kBack = {128, 128, 0};
static const Rgb kFront = {255, 255, 0};
static const Rgb kArrow = {0, 0, 128};

Canvas DrawSkinFolderImage() {
  Canvas c(17, 15, kGrey);
  // Back wall with its tab.
  FillRect(&c, 0, 4, 12, 15, kBlack);
  FillRect(&c, 0, 3, 6, 4, kBlack);
  FillRect(&c, 1, 4, 5, 5, kBack);
  FillRect(&c, 1, 5, 11, 14, kBack);
  // The front flap, opened forwards.
  const double flap[] = {0, 15, 4, 8, 16, 8, 12, 15};
  FillPolygon(&c, flap, 4, kBlack);
  const double inner[] = {1.4, 14, 4.6, 9, 14.6, 9, 11.4, 14};
  FillPolygon(&c, inner, 4, kFront);
  // The arrow: up out of the folder, then bent to the right.
  FillRect(&c, 7, 2, 9, 8, kArrow);
  FillRect(&c, 7, 2, 13, 4, kArrow);
  const double head[] = {13, 0, 16.5, 3, 13, 6};
  FillPolygon(&c, head, 3, kArrow);
  return c;
}
