#include "tools/skin/sample_faces.h"

#include <math.h>

static const Rgb kMagenta = {255, 0, 255};
static const double kCentre = 100;
// The outer rim reaches past the window's disc, so that every pixel the
// region keeps is wholly covered and none shows the magenta behind it.
static const double kRimOuter = 101;

static Rgb Mix(Rgb a, Rgb b, double t) {
  return Rgb{(uint8_t)lround(a.r + (b.r - a.r) * t), (uint8_t)lround(a.g + (b.g - a.g) * t),
             (uint8_t)lround(a.b + (b.b - a.b) * t)};
}

// A dial shaded from inner to outer colour with the distance from a light
// spot up and to the left.
static void ShadedDial(Canvas* c, double radius, Rgb inner, Rgb outer) {
  FillCircle(c, kCentre, kCentre, radius, outer);
  for (int y = 0; y < c->height; y++)
    for (int x = 0; x < c->width; x++) {
      double dx = x + 0.5 - kCentre, dy = y + 0.5 - kCentre;
      if (dx * dx + dy * dy > (radius - 1) * (radius - 1)) continue;
      double lx = x + 0.5 - (kCentre - 30), ly = y + 0.5 - (kCentre - 35);
      double t = sqrt(lx * lx + ly * ly) / (radius * 1.6);
      c->Blend(x, y, Mix(inner, outer, t > 1 ? 1 : t), 1);
    }
}

static void AtAngle(double minutes, double radius, double* x, double* y) {
  double a = minutes * M_PI / 30;
  *x = kCentre + radius * sin(a);
  *y = kCentre - radius * cos(a);
}

static void Tick(Canvas* c, double minutes, double from, double to, double width, Rgb colour) {
  double x0, y0, x1, y1;
  AtAngle(minutes, from, &x0, &y0);
  AtAngle(minutes, to, &x1, &y1);
  DrawLine(c, x0, y0, x1, y1, width, colour);
}

// A white dial with a navy rim, railway minute marks and bold hour bars.
Canvas DrawPorcelain() {
  const Rgb navy = {24, 40, 96}, ink = {30, 30, 36};
  Canvas c(200, 200, kMagenta);
  FillCircle(&c, kCentre, kCentre, kRimOuter, navy);
  ShadedDial(&c, 92, Rgb{255, 255, 252}, Rgb{226, 228, 236});
  FillRing(&c, kCentre, kCentre, 86, 87.2, navy);
  for (int m = 0; m < 60; m++)
    if (m % 5) Tick(&c, m, 80, 85, 1.2, ink);
  for (int h = 0; h < 12; h++) Tick(&c, h * 5, h % 3 ? 70 : 64, 85, h % 3 ? 3.2 : 5, ink);
  const int quarters[] = {12, 3, 6, 9};
  for (int i = 0; i < 4; i++) {
    double x, y;
    AtAngle(i * 15, 54, &x, &y);
    DrawPixelNumber(&c, quarters[i], (int)lround(x) - PixelNumberWidth(quarters[i]) / 2,
                    (int)lround(y) - DIGIT_HEIGHT / 2, navy);
  }
  return c;
}

// Five round petals with a light heart.
static void Blossom(Canvas* c, double cx, double cy, double size, Rgb petal, Rgb heart) {
  for (int i = 0; i < 5; i++) {
    double a = i * 2 * M_PI / 5 + 0.3;
    FillCircle(c, cx + size * 0.55 * sin(a), cy - size * 0.55 * cos(a), size * 0.5, petal);
  }
  FillCircle(c, cx, cy, size * 0.3, heart);
}

// An indigo night with a cherry blossom at every hour and a gold rim.
Canvas DrawNightSakura() {
  const Rgb gold = {214, 176, 90}, pink = {246, 176, 200}, deep = {232, 120, 160};
  Canvas c(200, 200, kMagenta);
  FillCircle(&c, kCentre, kCentre, kRimOuter, gold);
  ShadedDial(&c, 95, Rgb{70, 70, 140}, Rgb{14, 14, 48});
  FillRing(&c, kCentre, kCentre, 90, 91, gold);
  for (int m = 0; m < 60; m++)
    if (m % 5) {
      double x, y;
      AtAngle(m, 84, &x, &y);
      FillCircle(&c, x, y, 1.1, Rgb{200, 200, 230});
    }
  for (int h = 0; h < 12; h++) {
    double x, y;
    AtAngle(h * 5, 76, &x, &y);
    Blossom(&c, x, y, h % 3 ? 9 : 13, h % 3 ? pink : deep, Rgb{255, 240, 200});
  }
  return c;
}

// A leaf along the direction from the centre, pointed at both ends.
static void Leaf(Canvas* c, double minutes, double from, double to, double width, Rgb colour) {
  const int steps = 12;
  double xy[4 * steps];
  for (int i = 0; i < steps; i++) {
    double t = (double)i / (steps - 1), r = from + (to - from) * t, w = width * sin(t * M_PI);
    double a = minutes * M_PI / 30, side = w / 2;
    xy[2 * i] = kCentre + r * sin(a) + side * cos(a);
    xy[2 * i + 1] = kCentre - r * cos(a) + side * sin(a);
    xy[4 * steps - 2 * i - 2] = kCentre + r * sin(a) - side * cos(a);
    xy[4 * steps - 2 * i - 1] = kCentre - r * cos(a) - side * sin(a);
  }
  FillPolygon(c, xy, 2 * steps, colour);
}

// Fresh green: leaves at the hours on a pale spring dial.
Canvas DrawYoungLeaves() {
  const Rgb forest = {40, 110, 50}, leaf = {96, 170, 70}, vein = {230, 245, 210};
  Canvas c(200, 200, kMagenta);
  FillCircle(&c, kCentre, kCentre, kRimOuter, forest);
  ShadedDial(&c, 94, Rgb{250, 255, 235}, Rgb{196, 228, 168});
  FillRing(&c, kCentre, kCentre, 88.5, 90, forest);
  for (int h = 0; h < 12; h++) {
    bool quarter = h % 3 == 0;
    Leaf(&c, h * 5, quarter ? 60 : 66, 86, quarter ? 12 : 9, quarter ? forest : leaf);
    Tick(&c, h * 5, quarter ? 63 : 69, 83, 0.8, vein);
  }
  for (int m = 0; m < 60; m++)
    if (m % 5) Tick(&c, m, 82, 86, 1, forest);
  return c;
}
