// The built-in face: a black dial with a white rim, numerals and dots
// outside the rim, magenta elsewhere.
#include <math.h>

#include "tools/assets/assets.h"

Canvas DrawBuiltinFace() {
  const Rgb magenta = {255, 0, 255}, black = {0, 0, 0}, white = {255, 255, 255};
  Canvas c(200, 200, magenta);
  FillCircle(&c, 100, 100, 86, white);
  FillCircle(&c, 100, 100, 83, black);
  for (int hour = 1; hour <= 12; hour++) {
    double a = hour * M_PI / 6;
    double s = sin(a), k = -cos(a);
    FillCircle(&c, 100 + 78 * s, 100 + 78 * k, 1.6, white);
    DrawNumber(&c, hour, 100 + 93 * s, 100 + 93 * k, 9, 1.4, white);
  }
  return c;
}
