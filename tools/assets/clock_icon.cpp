// The notification-area icon: a small clock face at ten past ten, with
// hour marks where the size leaves room for them.
#include <math.h>

#include "tools/assets/assets.h"

static const Rgb kNavy = {16, 40, 120}, kWhite = {255, 255, 255}, kBlack = {0, 0, 0},
                 kRed = {210, 20, 20};

static void DrawHand(Canvas* c, double r, double angleDegrees, double length, double width,
                     Rgb colour) {
  double a = angleDegrees * M_PI / 180;
  DrawLine(c, r, r, r + sin(a) * length, r - cos(a) * length, width, colour);
}

Canvas DrawClockIcon(int size) {
  Canvas c(size, size, kWhite, 0);
  double r = size / 2.0;
  FillCircle(&c, r, r, r - 0.25, kNavy);
  FillCircle(&c, r, r, r - size / 8.0, kWhite);
  double face = r - size / 8.0;
  int marks = size >= 32 ? 12 : 4;
  for (int i = 0; i < marks; i++) {
    double a = i * 2 * M_PI / marks;
    double outer = face - size / 32.0, inner = face - (i % 3 == 0 ? size / 7.0 : size / 12.0);
    DrawLine(&c, r + sin(a) * inner, r - cos(a) * inner, r + sin(a) * outer, r - cos(a) * outer,
             size / 24.0 + 0.5, kBlack);
  }
  DrawHand(&c, r, 305, face * 0.55, size / 9.0, kBlack);  // hour, just past ten
  DrawHand(&c, r, 60, face * 0.8, size / 13.0, kBlack);   // minute, at ten past
  if (size >= 32) DrawHand(&c, r, 180, face * 0.85, size / 32.0, kRed);
  FillCircle(&c, r, r, size / 16.0 + 0.3, size >= 32 ? kRed : kBlack);
  return c;
}
