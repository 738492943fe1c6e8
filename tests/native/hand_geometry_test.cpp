// Hand outlines for known times, point by point.
#include "face/hand_geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

typedef std::vector<int> Coords;  // x0, y0, x1, y1, ...

Coords CoordsOf(const HandShape& s) {
  Coords c;
  for (int i = 0; i < s.count; i++) c.insert(c.end(), {s.points[i].x, s.points[i].y});
  if (s.kind == SHAPE_BALLOON) c.insert(c.end(), {s.center.x, s.center.y});
  return c;
}

HandFrame HandsAt(int design, int hour, int minute, int second) {
  HandLengths lengths;
  EXPECT_TRUE(DesignLengths(design, &lengths));
  HandFrame f;
  ComputeHands(design, &lengths, HandPoint{100, 100}, hour, minute, second, &f);
  return f;
}

TEST(HandGeometry, KnownTimesGiveTheirExactPoints) {
  struct Case {
    int design, hour, minute, second;
    const HandShape HandFrame::*hand;
    Coords expected;  // balloons end with their circle's centre
  } cases[] = {
      // The truncation makes the tail 9 pixels and the minute bar 7 wide.
      {1, 3, 0, 0, &HandFrame::hour, {91, 96, 150, 96, 150, 104, 91, 104}},
      {1, 3, 0, 0, &HandFrame::minute, {97, 109, 97, 36, 104, 36, 104, 109}},
      {1, 3, 0, 0, &HandFrame::second, {100, 100, 100, 31}},
      {2, 3, 0, 0, &HandFrame::hour, {115, 96, 150, 96, 150, 104, 115, 104}},
      // Midnight and noon are built from different integers.
      {3, 0, 0, 0, &HandFrame::hour, {95, 100, 100, 46, 106, 100, 100, 109}},
      {3, 12, 0, 0, &HandFrame::hour, {95, 100, 100, 46, 105, 100, 100, 109}},
      {4, 3, 0, 0, &HandFrame::hour, {119, 95, 155, 100, 119, 105, 110, 100}},
      {4, 3, 0, 0, &HandFrame::second, {100, 91, 100, 29}},
      {5, 3, 0, 0, &HandFrame::hour, {164, 94, 177, 100, 164, 106, 158, 100}},
      {5, 3, 0, 0, &HandFrame::minute, {94, 36, 100, 24, 106, 36, 100, 43}},
      {5, 3, 0, 0, &HandFrame::second, {94, 36, 100, 24, 106, 36, 100, 43}},
  };
  for (const Case& c : cases) {
    HandFrame f = HandsAt(c.design, c.hour, c.minute, c.second);
    EXPECT_EQ(c.expected, CoordsOf(f.*c.hand)) << "design " << c.design << " at " << c.hour;
  }
}

TEST(HandGeometry, AfternoonIsTheMorningAndTheHourHandMovesWithTheMinutes) {
  for (int design = DESIGN_SQUARE; design <= DESIGN_BALLOON; design++) {
    HandFrame a = HandsAt(design, 8, 41, 17), b = HandsAt(design, 20, 41, 17);
    EXPECT_EQ(CoordsOf(a.hour), CoordsOf(b.hour)) << design;
    EXPECT_EQ(CoordsOf(a.minute), CoordsOf(b.minute)) << design;
  }
  // 10:30: halfway between 10 and 11, 225 degrees on: 55 * cos = -38.9.
  HandPoint tip = HandsAt(DESIGN_TRIANGLE, 10, 30, 0).hour.points[1];
  EXPECT_EQ(62, tip.x);
  EXPECT_EQ(62, tip.y);
}

TEST(HandGeometry, OnlyTheFiveDesignsDraw) {
  HandLengths lengths = {1, 2, 3};
  for (int design : {0, 6, 7, 8, -1}) {
    HandFrame f;
    ComputeHands(design, &lengths, HandPoint{100, 100}, 3, 0, 0, &f);
    EXPECT_EQ(SHAPE_NONE, f.hour.kind | f.minute.kind | f.second.kind) << design;
  }
  EXPECT_FALSE(DesignLengths(7, &lengths));
  EXPECT_EQ(3, lengths.second);  // "none" keeps the lengths it had
  ASSERT_TRUE(DesignLengths(6, &lengths));
  EXPECT_EQ(40, lengths.hour);
}

TEST(HandGeometry, EveryHandStaysInsideTheDialAllDay) {
  for (int design = DESIGN_SQUARE; design <= DESIGN_BALLOON; design++)
    for (int t = 0; t < 12 * 3600; t += 7) {
      HandFrame f = HandsAt(design, t / 3600, t / 60 % 60, t % 60);
      for (const HandShape* s : {&f.hour, &f.minute, &f.second})
        for (int i = 0; i < s->count; i++) {
          int dx = s->points[i].x - 100, dy = s->points[i].y - 100;
          ASSERT_LE(dx * dx + dy * dy, 77 * 77) << design << " at " << t;
        }
    }
}

}  // namespace
