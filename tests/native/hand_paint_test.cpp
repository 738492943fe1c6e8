// The smooth hands: painted where the pens would draw them, with blended
// edges, at every DPI and size, and never outside their own pixels.
#include "face/hand_paint.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <stdlib.h>
#include <math.h>

#include <algorithm>
#include <vector>

#include "base/dpi_scale.h"
#include "face/hand_geometry.h"

namespace {

// Outline red, inside green, on blue: each channel of a pixel tells how
// much of it went to each.
const uint32_t RED = 0x0000FF, GREEN = 0x00FF00;
struct Rgb {
  int r, g, b;
};

class Canvas {
 public:
  // width pixels painted, spare more in each row that must stay as they are.
  Canvas(int width, int height, int spare = 0)
      : width_(width), height_(height), stride_(width + spare), pixels_(stride_ * height, BLUE) {}
  void Paint(const HandShape& shape, const HandInk& ink) {
    PixelCanvas c = {(uint8_t*)pixels_.data(), width_, height_, stride_ * 4};
    PaintHand(&c, &shape, &ink);
  }
  void PaintText(const uint8_t* covers, int width, int height, int x, int y) {
    PixelCanvas c = {(uint8_t*)pixels_.data(), width_, height_, stride_ * 4};
    PaintCovers(&c, covers, width, height, x, y, RED);
  }
  Rgb At(int x, int y) const {
    uint32_t p = pixels_[y * stride_ + x];  // blue, green, red, spare in memory
    return {(int)(p >> 16 & 0xFF), (int)(p >> 8 & 0xFF), (int)(p & 0xFF)};
  }
  bool Untouched(int x, int y) const { return pixels_[y * stride_ + x] == BLUE; }
  int Width() const { return stride_; }
  int Height() const { return height_; }

 private:
  static constexpr uint32_t BLUE = 0x0000FF;
  int width_, height_, stride_;
  std::vector<uint32_t> pixels_;
};

bool Pure(const Rgb& c) {
  int high = (c.r == 255) + (c.g == 255) + (c.b == 255), low = (c.r == 0) + (c.g == 0) + (c.b == 0);
  return high == 1 && low == 2;
}

// The clock drawn at a DPI and a size: one scale.
struct Scale {
  int dpi, size;
  int Value() const { return dpi * size / 100; }
};
std::vector<Scale> EveryScale() {
  std::vector<Scale> all;
  for (int dpi : {96, 120, 144, 192})
    for (int size : {50, 75, 100, 125, 150, 200}) all.push_back({dpi, size});
  return all;
}

HandFrame HandsAt(int design, int scale, int hour, int minute, int second) {
  HandLengths lengths;
  DesignLengths(design, &lengths);
  int pivot = ScaleToDpi(HAND_PIVOT, scale);
  HandFrame f;
  ComputeHands(design, &lengths, HandPoint{pivot, pivot}, hour, minute, second, &f, scale);
  return f;
}

HandInk InkAt(int scale, int bold = 0, int filled = 1) {
  return {RED, GREEN, filled, ScaleToDpi(bold ? 2 : 1, scale), ScaleToDpi(BALLOON_RADIUS, scale)};
}

// A hand painted alone on a canvas just round it, a margin past its
// shape, moved onto the canvas: the shape as moved and what was painted.
struct Alone {
  HandShape shape;
  Canvas canvas;
};
Alone PaintAlone(HandShape s, const HandInk& ink) {
  int margin = ink.penWidth + 4, left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
  std::vector<HandPoint> reach(s.points, s.points + s.count);
  if (s.kind == SHAPE_BALLOON)
    reach.insert(reach.end(), {{s.center.x - ink.radius, s.center.y - ink.radius},
                               {s.center.x + ink.radius, s.center.y + ink.radius}});
  for (const HandPoint& p : reach) {
    left = std::min(left, p.x - margin), right = std::max(right, p.x + margin);
    top = std::min(top, p.y - margin), bottom = std::max(bottom, p.y + margin);
  }
  for (int i = 0; i < s.count; i++) s.points[i] = {s.points[i].x - left, s.points[i].y - top};
  s.center = {s.center.x - left, s.center.y - top};
  Alone a = {s, Canvas(right - left + 1, bottom - top + 1)};
  a.canvas.Paint(a.shape, ink);
  return a;
}

// How far a point lies outside the shape as a pen of no width would
// trace it through the pixels' centres: 0 inside.
double SegmentDistance(double x, double y, HandPoint a, HandPoint b) {
  double ax = a.x + 0.5, ay = a.y + 0.5, dx = b.x - a.x, dy = b.y - a.y;
  double t = dx || dy ? ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy) : 0;
  t = t < 0 ? 0 : t > 1 ? 1 : t;
  return hypot(x - ax - t * dx, y - ay - t * dy);
}
double DistanceOutside(const HandShape& s, double x, double y) {
  double nearest = 1e9;
  bool inside = false;
  for (int i = 0, j = s.count - 1; i < s.count; j = i++) {
    HandPoint a = s.points[j], b = s.points[i];
    nearest = fmin(nearest, SegmentDistance(x, y, a, b));
    if ((a.y + 0.5 > y) != (b.y + 0.5 > y) &&
        x < a.x + 0.5 + (y - a.y - 0.5) * (b.x - a.x) / (double)(b.y - a.y))
      inside = !inside;
  }
  if (s.kind != SHAPE_LINE && inside) return 0;
  return nearest;
}

const int TIMES[][3] = {{10, 8, 37}, {3, 0, 0}, {7, 41, 53}, {12, 22, 4}};

TEST(HandPaint, EveryCornerLandsOnItsPixelAtEveryDpiAndSize) {
  for (const Scale& sc : EveryScale())
    for (int design = DESIGN_SQUARE; design <= DESIGN_BALLOON; design++)
      for (const auto& t : TIMES) {
        int scale = sc.Value();
        HandFrame f = HandsAt(design, scale, t[0], t[1], t[2]);
        for (const HandShape* hand : {&f.hour, &f.minute, &f.second}) {
          Alone a = PaintAlone(*hand, InkAt(scale));
          const HandShape* s = &a.shape;
          std::vector<HandPoint> corners(s->points, s->points + s->count);
          // A balloon's circle covers its pointer's two inner corners; its
          // pen runs through the top pixel of the circle's box.
          if (s->kind == SHAPE_BALLOON) {
            corners = {s->points[1],
                       {s->center.x, s->center.y - ScaleToDpi(BALLOON_RADIUS, scale)}};
          }
          for (const HandPoint& p : corners)
            EXPECT_GE(a.canvas.At(p.x, p.y).r, 128)
                << sc.dpi << " DPI " << sc.size << "% design " << design << " at " << t[0] << ":"
                << t[1] << ":" << t[2] << " corner " << p.x << "," << p.y;
        }
      }
}

TEST(HandPaint, EdgesAreBlendsAndNoPixelLiesMoreThanOnePastTheShape) {
  for (const Scale& sc : EveryScale())
    for (int design = DESIGN_SQUARE; design <= DESIGN_BALLOON; design++)
      for (int bold : {0, 1}) {
        int scale = sc.Value();
        HandInk ink = InkAt(scale, bold);
        double reach = ink.penWidth / 2.0 + 1;
        HandFrame f = HandsAt(design, scale, 10, 8, 37);
        for (const HandShape* hand : {&f.hour, &f.minute, &f.second}) {
          Alone a = PaintAlone(*hand, ink);
          const HandShape* s = &a.shape;
          int blends = 0, beyond = 0;
          double circle = ink.radius - 0.5;
          for (int y = 0; y < a.canvas.Height(); y++)
            for (int x = 0; x < a.canvas.Width(); x++) {
              if (a.canvas.Untouched(x, y)) continue;
              blends += !Pure(a.canvas.At(x, y));
              double cx = x + 0.5, cy = y + 0.5, out = DistanceOutside(*s, cx, cy);
              if (s->kind == SHAPE_BALLOON)
                out = fmin(out, fmax(0, hypot(cx - s->center.x, cy - s->center.y) - circle));
              beyond += out > reach;
            }
          SCOPED_TRACE(testing::Message() << sc.dpi << " DPI " << sc.size << "% design " << design
                                          << (bold ? " bold" : ""));
          EXPECT_EQ(0, beyond);
          // Every hand at ten past ten runs aslant: both its long sides blend.
          EXPECT_GT(
              blends,
              2 * hypot(s->points[1].x - s->points[0].x, s->points[1].y - s->points[0].y) / 3);
        }
      }
}

TEST(HandPaint, StraightEdgesStayCrispOnThePensOwnPixels) {
  // At 3:00 the hour bar's pens run along rows 96 and 104 and column 150,
  // the second hand's down column 100.
  HandFrame f = HandsAt(DESIGN_SQUARE, BASE_DPI, 3, 0, 0);
  Canvas filled(200, 200), hollow(200, 200), line(200, 200);
  filled.Paint(f.hour, InkAt(BASE_DPI));
  hollow.Paint(f.hour, InkAt(BASE_DPI, 0, 0));
  line.Paint(f.second, InkAt(BASE_DPI));
  for (int x = 92; x < 150; x++) {
    for (int y : {96, 104}) {
      EXPECT_EQ(255, filled.At(x, y).r) << x << "," << y;
      EXPECT_EQ(255, hollow.At(x, y).r) << x << "," << y;
    }
    EXPECT_TRUE(filled.Untouched(x, 95) && filled.Untouched(x, 105)) << x;
    for (int y = 97; y < 104; y++) {
      EXPECT_EQ(255, filled.At(x, y).g) << x << "," << y;
      EXPECT_TRUE(hollow.Untouched(x, y)) << x << "," << y;  // the face shows through
    }
  }
  for (int y = 97; y < 104; y++) EXPECT_EQ(255, filled.At(150, y).r) << y;
  for (int y = 32; y < 100; y++) {
    EXPECT_EQ(255, line.At(100, y).r) << y;
    EXPECT_TRUE(line.Untouched(99, y) && line.Untouched(101, y)) << y;
    EXPECT_EQ(0, line.At(100, y).g) << y;  // a line has no inside
  }
}

HandShape Moved(HandShape s, int dx, int dy) {
  for (HandPoint& p : s.points) p = {p.x + dx, p.y + dy};
  s.center = {s.center.x + dx, s.center.y + dy};
  return s;
}

TEST(HandPaint, AHandPaintedAgainMovedClippedOrInAnotherInkIsPaintedAsNew) {
  HandFrame f = HandsAt(DESIGN_BALLOON, 144, 10, 8, 37);
  HandInk ink = InkAt(144);
  Canvas first(300, 300);
  first.Paint(f.minute, ink);
  // Moved by whole pixels the same pixels move; reaching out of the canvas
  // the part left is the same too.
  for (int d : {-17, 70}) {
    Canvas moved(300, 300);
    moved.Paint(Moved(f.minute, d, d / 2), ink);
    int differ = 0, seen = 0;
    for (int y = 0; y < 300; y++)
      for (int x = 0; x < 300; x++) {
        int fx = x - d, fy = y - d / 2;
        if (fx < 0 || fy < 0 || fx >= 300 || fy >= 300) continue;
        Rgb a = first.At(fx, fy), b = moved.At(x, y);
        // Traced about other points, an edge may round by a 256th.
        differ += abs(a.r - b.r) > 2 || abs(a.g - b.g) > 2 || abs(a.b - b.b) > 2;
        seen += !moved.Untouched(x, y);
      }
    EXPECT_EQ(0, differ) << d;
    EXPECT_GT(seen, 300) << d;
  }
  Canvas other(300, 300), hollow(300, 300);
  HandInk blue = ink;
  blue.outline = 0xFF0000;
  other.Paint(f.minute, blue);
  ink.filled = 0;
  hollow.Paint(f.minute, ink);
  HandPoint c = f.minute.center;
  int red = 0;
  for (int y = 0; y < 300; y++)
    for (int x = 0; x < 300; x++) red += other.At(x, y).r > 0;
  EXPECT_EQ(0, red);
  EXPECT_EQ(255, first.At(c.x, c.y).g);
  EXPECT_TRUE(hollow.Untouched(c.x, c.y));
}

TEST(HandPaint, NothingIsPaintedOutsideTheCanvasWhateverTheShape) {
  // The composition half of a back buffer whose other half keeps the face.
  Canvas half(100, 200, 100);
  HandFrame f = HandsAt(DESIGN_BALLOON, BASE_DPI, 3, 0, 0);  // reaches x = 177
  half.Paint(f.hour, InkAt(BASE_DPI, 1));
  HandShape wild = {
      SHAPE_POLYGON, 4, {{-2000000000, 5}, {2000000000, 7}, {90, 2000000000}, {0, 0}}, {0, 0}};
  half.Paint(wild, InkAt(BASE_DPI, 1));
  HandShape line = {SHAPE_LINE, 2, {{-50, 100}, {150, 100}}, {0, 0}};
  half.Paint(line, HandInk{RED, GREEN, 1, 1000, 0});
  int painted = 0;
  for (int y = 0; y < half.Height(); y++)
    for (int x = 0; x < half.Width(); x++) {
      if (x >= 100) {
        ASSERT_TRUE(half.Untouched(x, y)) << x << "," << y;
      }
      painted += !half.Untouched(x, y);
    }
  EXPECT_EQ(100 * 200, painted);  // the pen of a thousand pixels covers the half
  Canvas none(0, 10, 4);
  none.Paint(f.hour, InkAt(BASE_DPI));
  for (int x = 0; x < 4; x++) EXPECT_TRUE(none.Untouched(x, 0));

  // A character over each corner of the canvas paints only its own part.
  Canvas text(10, 10, 4);
  std::vector<uint8_t> covers(6 * 6, 255);
  for (int at : {-3, 7}) {
    text.PaintText(covers.data(), 6, 6, at, at);
    text.PaintText(covers.data(), 6, 6, at, 10 - at - 6);
  }
  painted = 0;
  for (int y = 0; y < text.Height(); y++)
    for (int x = 0; x < text.Width(); x++) painted += !text.Untouched(x, y);
  EXPECT_EQ(4 * 3 * 3, painted);
}

}  // namespace
