// The two 11 by 11 menu images: a magnifying glass and a loudspeaker.
#include "tools/assets/assets.h"

static const Rgb kBlack = {0, 0, 0}, kGrey = {192, 192, 192};

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
