// The built-in face: a black dial filling the window's disc, a white rim
// at its edge, and inside it bold numerals, each with a dot nearer the
// centre; magenta outside, where the region cuts the window away. The rim
// reaches past the disc so that no pixel the region keeps is part magenta.
#include <math.h>

#include "tools/assets/assets.h"

namespace {

const double CENTER = 100;
const double DIAL_RADIUS = 101, RIM_INNER = 98.3;
// The longest hand reaches 77 pixels plus its pen: the dots lie beyond it.
const double DOT_RADIUS = 80.5, DOT_SIZE = 1.3;
// Where every numeral's box would start, and how far its pixels may go.
const double NUMERAL_START = 84.5, NUMERAL_LIMIT = 97.3;

bool FitsInDisc(int hour, int left, int top) {
  for (int y = 0; y < DIGIT_HEIGHT; y++)
    for (int x = 0; x < PixelNumberWidth(hour); x++)
      if (PixelNumberLit(hour, x, y) &&
          hypot(left + x + 0.5 - CENTER, top + y + 0.5 - CENTER) > NUMERAL_LIMIT)
        return false;
  return true;
}

// The numeral's box starts at the same distance in every direction, except
// that the wide ones on the diagonals come in until they fit the disc.
void PlaceNumeral(Canvas* c, int hour, double s, double k, Rgb colour) {
  double w = PixelNumberWidth(hour), h = DIGIT_HEIGHT;
  double reach = NUMERAL_START + (w / 2 * fabs(s) + h / 2 * fabs(k));
  int left, top;
  for (;; reach -= 0.25) {
    // Whole pixels keep the strokes sharp.
    left = (int)lround(CENTER + reach * s - w / 2);
    top = (int)lround(CENTER + reach * k - h / 2);
    if (FitsInDisc(hour, left, top) || reach < DOT_RADIUS) break;
  }
  DrawPixelNumber(c, hour, left, top, colour);
}

}  // namespace

Canvas DrawBuiltinFace() {
  const Rgb magenta = {255, 0, 255}, black = {0, 0, 0}, white = {255, 255, 255};
  Canvas c(200, 200, magenta);
  FillCircle(&c, CENTER, CENTER, DIAL_RADIUS, white);
  FillCircle(&c, CENTER, CENTER, RIM_INNER, black);
  for (int hour = 1; hour <= 12; hour++) {
    double a = hour * M_PI / 6;
    double s = sin(a), k = -cos(a);
    FillCircle(&c, CENTER + DOT_RADIUS * s, CENTER + DOT_RADIUS * k, DOT_SIZE, white);
    PlaceNumeral(&c, hour, s, k, white);
  }
  return c;
}
