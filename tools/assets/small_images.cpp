// Menu images, the skin-folder button image and the two icons.
#include "tools/assets/assets.h"

static const Rgb kBlack = {0, 0, 0}, kWhite = {255, 255, 255}, kGrey = {192, 192, 192};

Canvas DrawMenuFind() {
  Canvas c(11, 11, kGrey);
  FillRing(&c, 4.5, 4.5, 2.2, 3.6, kBlack);
  DrawLine(&c, 7, 7, 10, 10, 2, kBlack);
  return c;
}

Canvas DrawMenuSound() {
  Canvas c(11, 11, kGrey);
  FillRect(&c, 1, 4, 3, 7, kBlack);
  double cone[8] = {3, 4, 6, 1, 6, 10, 3, 7};
  FillPolygon(&c, cone, 4, kBlack);
  FillRing(&c, 6, 5.5, 2, 2.8, kBlack);
  return c;
}

Canvas DrawSkinFolderImage() {
  Canvas c(17, 15, kGrey);
  FillRect(&c, 1, 4, 14, 13, Rgb{255, 255, 0});
  return c;
}

Canvas DrawClockIcon(int size) {
  Canvas c(size, size, kWhite, 0);
  double r = size / 2.0;
  FillCircle(&c, r, r, r - 0.5, kBlack);
  FillCircle(&c, r, r, r - size / 10.0, kWhite);
  DrawLine(&c, r, r, r, r * 0.35, size / 12.0, kBlack);
  DrawLine(&c, r, r, r * 1.45, r, size / 10.0, kBlack);
  return c;
}

Canvas DrawLetterIcon(int size) {
  Canvas c(size, size, kWhite, 0);
  FillRect(&c, size * 0.05, size * 0.2, size * 0.95, size * 0.8, kBlack);
  FillRect(&c, size * 0.1, size * 0.25, size * 0.9, size * 0.75, kWhite);
  return c;
}
