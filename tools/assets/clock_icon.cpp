// The notification-area icon: a small clock face.
#include "tools/assets/assets.h"

static const Rgb kBlack = {0, 0, 0}, kWhite = {255, 255, 255};

Canvas DrawClockIcon(int size) {
  Canvas c(size, size, kWhite, 0);
  double r = size / 2.0;
  FillCircle(&c, r, r, r - 0.5, kBlack);
  FillCircle(&c, r, r, r - size / 10.0, kWhite);
  DrawLine(&c, r, r, r, r * 0.35, size / 12.0, kBlack);
  DrawLine(&c, r, r, r * 1.45, r, size / 10.0, kBlack);
  return c;
}
