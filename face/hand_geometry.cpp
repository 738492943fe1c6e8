#include "face/hand_geometry.h"

#include <math.h>

#include "base/dpi_scale.h"

namespace {

// The angle steps are single-precision constants; the sums and products
// built from them are double, except where a value is rounded to single
// on purpose (Single). Truncation toward zero everywhere, so the
// outlines are the same pixels on every machine that rounds correctly.
const double PI = 3.14159265358979323846;
const float P6 = (float)(PI / 6);
const float P30 = (float)(PI / 30);
const float P360 = (float)(PI / 360);

double Single(double a) { return (float)a; }

// One hand's angles: angle k quarters away from the hand's own position
// is (position + k * quarter) * step + offset.
struct Axis {
  int position, quarter;
  double step, offset;
};

double AngleAt(const Axis& axis, int quarters) {
  return (axis.position + quarters * axis.quarter) * axis.step + axis.offset;
}

HandPoint Add(HandPoint p, HandPoint v) { return {p.x + v.x, p.y + v.y}; }
HandPoint Negate(HandPoint v) { return {-v.x, -v.y}; }
struct Frame {
  HandPoint c;
  HandLengths len;
  Axis hour, minute, second;
  int dpi;
};

// A vector of length r, given at 96 DPI, drawn at the frame's DPI.
HandPoint V(const Frame& f, int r, double a) {
  int s = ScaleToDpi(r, f.dpi);
  return {(int)(s * cos(a)), (int)(s * sin(a))};
}

HandPoint Out(const Frame& f, int r, double a) { return Add(f.c, V(f, r, a)); }

HandShape Polygon4(HandPoint a, HandPoint b, HandPoint c, HandPoint d) {
  return {SHAPE_POLYGON, 4, {a, b, c, d}, {0, 0}};
}

HandShape Line(HandPoint a, HandPoint b) { return {SHAPE_LINE, 2, {a, b}, {0, 0}}; }

// A bar from base to tip, its two long sides offset by w1 and w2.
HandShape Bar(HandPoint base, HandPoint tip, HandPoint w1, HandPoint w2) {
  return Polygon4(Add(base, w1), Add(tip, w1), Add(tip, w2), Add(base, w2));
}

// The second hand of designs 1 to 3: from the pivot to its tip.
HandShape PlainSecond(const Frame& f) {
  return Line(f.c, Out(f, f.len.second, Single(AngleAt(f.second, -1))));
}

// Design 1: a bar through the pivot with a 10-pixel tail; the hour bar's
// second side mirrors the first, the minute bar's has its own vector.
void Square(const Frame& f, HandFrame* out) {
  const Axis& h = f.hour;
  HandPoint w = V(f, 5, AngleAt(h, -2));
  out->hour = Bar(Out(f, 10, AngleAt(h, 1)), Out(f, f.len.hour, AngleAt(h, -1)), w, Negate(w));
  const Axis& m = f.minute;
  out->minute = Bar(Out(f, 10, AngleAt(m, 1)), Out(f, f.len.minute, AngleAt(m, -1)),
                    V(f, 4, AngleAt(m, -2)), V(f, 4, AngleAt(m, 0)));
  out->second = PlainSecond(f);
}

// Design 2: a bar that starts 15 pixels out from the pivot.
HandShape OuterBar(const Frame& f, const Axis& axis, int halfWidth, int length) {
  return Bar(Out(f, 15, AngleAt(axis, -1)), Out(f, length, AngleAt(axis, -1)),
             V(f, halfWidth, AngleAt(axis, -2)), V(f, halfWidth, AngleAt(axis, 0)));
}

void Square2(const Frame& f, HandFrame* out) {
  out->hour = OuterBar(f, f.hour, 5, f.len.hour);
  out->minute = OuterBar(f, f.minute, 4, f.len.minute);
  out->second = PlainSecond(f);
}

// Design 3: a kite with side points beside the pivot and a 10-pixel tail.
HandShape Kite(const Frame& f, const Axis& axis, int side, int length) {
  return Polygon4(Out(f, side, AngleAt(axis, -2)), Out(f, length, AngleAt(axis, -1)),
                  Out(f, side, Single(AngleAt(axis, 0))), Out(f, 10, Single(AngleAt(axis, 1))));
}

void Triangle(const Frame& f, HandFrame* out) {
  out->hour = Kite(f, f.hour, 6, f.len.hour);
  out->minute = Kite(f, f.minute, 5, f.len.minute);
  out->second = PlainSecond(f);
}

// Design 4: an arrowhead away from the pivot with a notch on the axis.
HandShape Arrow(const Frame& f, const Axis& axis, double spread, int length) {
  double a = AngleAt(axis, -1);
  return Polygon4(Out(f, 20, a - spread), Out(f, length, Single(a)),
                  Out(f, 20, Single(a) + spread), Out(f, 10, Single(a)));
}

void Triangle2(const Frame& f, HandFrame* out) {
  out->hour = Arrow(f, f.hour, 0.3, f.len.hour);
  out->minute = Arrow(f, f.minute, 0.25, f.len.minute);
  double a = AngleAt(f.second, -1);
  out->second = Line(Out(f, 10, a), Out(f, f.len.second, a));
}

// Design 5: every balloon uses the same three lengths; only the angle
// tells them apart.
HandShape Balloon(const Frame& f, const Axis& axis) {
  double a = AngleAt(axis, -1);
  HandShape s = {SHAPE_BALLOON, 3,
                 {Out(f, f.len.hour, a - 0.1), Out(f, f.len.second, Single(a)),
                  Out(f, f.len.hour, Single(a) + 0.1)},
                 Out(f, f.len.minute, Single(a))};
  return s;
}

void Balloons(const Frame& f, HandFrame* out) {
  out->hour = Balloon(f, f.hour);
  out->minute = Balloon(f, f.minute);
  out->second = Balloon(f, f.second);
}

}  // namespace

int DesignLengths(int design, HandLengths* out) {
  static const HandLengths table[] = {
      {50, 65, 70}, {50, 65, 70}, {55, 70, 70}, {55, 70, 72}, {65, 58, 77}, {40, 50, 60}};
  if (design < DESIGN_SQUARE || design > DESIGN_SMALL) return 0;
  *out = table[design - DESIGN_SQUARE];
  return 1;
}

void ComputeHands(int design, const HandLengths* lengths, HandPoint pivot, int hour, int minute,
                  int second, HandFrame* out, int dpi) {
  *out = HandFrame{};
  int h = hour > 12 ? hour - 12 : hour;
  // The hour hand moves on by half a degree a minute.
  double minuteOffset = Single(minute * (double)P360);
  Frame f = {pivot, *lengths, {h, 3, P6, minuteOffset}, {minute, 15, P30, 0},
             {second, 15, P30, 0}, dpi};
  switch (design) {
    case DESIGN_SQUARE: Square(f, out); break;
    case DESIGN_SQUARE2: Square2(f, out); break;
    case DESIGN_TRIANGLE: Triangle(f, out); break;
    case DESIGN_TRIANGLE2: Triangle2(f, out); break;
    case DESIGN_BALLOON: Balloons(f, out); break;
    default: break;
  }
}
