// Hand outlines for known times, point by point.
#include "face/hand_geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

typedef std::vector<std::pair<int, int>> Points;

Points PointsOf(const HandShape& s) {
  Points p;
  for (int i = 0; i < s.count; i++) p.push_back({s.points[i].x, s.points[i].y});
  return p;
}

HandFrame HandsAt(int design, int hour, int minute, int second) {
  HandLengths lengths;
  EXPECT_TRUE(DesignLengths(design, &lengths));
  HandFrame f;
  ComputeHands(design, &lengths, HandPoint{100, 100}, hour, minute, second, &f);
  return f;
}

TEST(HandGeometry, SquareAtThreeHasATruncatedTailAndASevenPixelMinuteBar) {
  HandFrame f = HandsAt(DESIGN_SQUARE, 3, 0, 0);
  EXPECT_EQ(SHAPE_POLYGON, f.hour.kind);
  EXPECT_EQ((Points{{91, 96}, {150, 96}, {150, 104}, {91, 104}}), PointsOf(f.hour));
  EXPECT_EQ((Points{{97, 109}, {97, 36}, {104, 36}, {104, 109}}), PointsOf(f.minute));
  EXPECT_EQ(SHAPE_LINE, f.second.kind);
  EXPECT_EQ((Points{{100, 100}, {100, 31}}), PointsOf(f.second));
}

TEST(HandGeometry, AfternoonHoursDrawLikeTheMorning) {
  for (int design = DESIGN_SQUARE; design <= DESIGN_BALLOON; design++) {
    HandFrame morning = HandsAt(design, 3, 0, 0), afternoon = HandsAt(design, 15, 0, 0);
    EXPECT_EQ(PointsOf(morning.hour), PointsOf(afternoon.hour)) << design;
    HandFrame a = HandsAt(design, 8, 41, 17), b = HandsAt(design, 20, 41, 17);
    EXPECT_EQ(PointsOf(a.hour), PointsOf(b.hour)) << design;
    EXPECT_EQ(PointsOf(a.minute), PointsOf(b.minute)) << design;
  }
}

TEST(HandGeometry, MidnightAndNoonDifferByTheRoundingOfTheirOwnIntegers) {
  HandFrame midnight = HandsAt(DESIGN_TRIANGLE, 0, 0, 0);
  HandFrame noon = HandsAt(DESIGN_TRIANGLE, 12, 0, 0);
  EXPECT_EQ(106, midnight.hour.points[2].x);
  EXPECT_EQ(100, midnight.hour.points[2].y);
  EXPECT_EQ((Points{{95, 100}, {100, 46}, {105, 100}, {100, 109}}), PointsOf(noon.hour));
}

TEST(HandGeometry, Square2LeavesTheFifteenPixelsRoundThePivotEmpty) {
  HandFrame f = HandsAt(DESIGN_SQUARE2, 3, 0, 0);
  EXPECT_EQ((Points{{115, 96}, {150, 96}, {150, 104}, {115, 104}}), PointsOf(f.hour));
  for (int second = 0; second < 60; second += 7)
    for (int hour = 0; hour < 12; hour++) {
      HandFrame g = HandsAt(DESIGN_SQUARE2, hour, second, second);
      for (const HandShape* s : {&g.hour, &g.minute})
        for (int i = 0; i < 4; i++) {
          int dx = s->points[i].x - 100, dy = s->points[i].y - 100;
          EXPECT_GE(dx * dx + dy * dy, 13 * 13) << hour << ":" << second;
        }
    }
}

TEST(HandGeometry, Triangle2AtThreeIsAnArrowheadAndAShortenedSecondLine) {
  HandFrame f = HandsAt(DESIGN_TRIANGLE2, 3, 0, 0);
  EXPECT_EQ((Points{{119, 95}, {155, 100}, {119, 105}, {110, 100}}), PointsOf(f.hour));
  EXPECT_EQ((Points{{100, 91}, {100, 29}}), PointsOf(f.second));
}

TEST(HandGeometry, BalloonsAtThreeShareTheirLengthsAndDifferOnlyInAngle) {
  HandFrame f = HandsAt(DESIGN_BALLOON, 3, 0, 0);
  EXPECT_EQ(SHAPE_BALLOON, f.hour.kind);
  EXPECT_EQ((Points{{164, 94}, {177, 100}, {164, 106}}), PointsOf(f.hour));
  EXPECT_EQ(158, f.hour.center.x);
  EXPECT_EQ(100, f.hour.center.y);
  for (const HandShape* s : {&f.minute, &f.second}) {
    EXPECT_EQ((Points{{94, 36}, {100, 24}, {106, 36}}), PointsOf(*s));
    EXPECT_EQ(100, s->center.x);
    EXPECT_EQ(43, s->center.y);
  }
}

TEST(HandGeometry, TheHourHandMovesHalfADegreeAMinute) {
  // At 10:30 the hour hand lies halfway between 10 and 11, at 225 degrees
  // from three o'clock: 55 * cos 225 = -38.9 on both axes.
  HandPoint tip = HandsAt(DESIGN_TRIANGLE, 10, 30, 0).hour.points[1];
  EXPECT_EQ(62, tip.x);
  EXPECT_EQ(62, tip.y);
  HandPoint onTen = HandsAt(DESIGN_TRIANGLE, 10, 0, 0).hour.points[1];
  EXPECT_EQ(53, onTen.x);
  EXPECT_EQ(73, onTen.y);
}

TEST(HandGeometry, DesignsOutsideTheTableDrawNothingAndKeepTheirLengths) {
  HandLengths lengths = {1, 2, 3};
  for (int design : {0, 6, 7, 8, -1}) {
    HandFrame f;
    ComputeHands(design, &lengths, HandPoint{100, 100}, 3, 0, 0, &f);
    EXPECT_EQ(SHAPE_NONE, f.hour.kind);
    EXPECT_EQ(SHAPE_NONE, f.minute.kind);
    EXPECT_EQ(SHAPE_NONE, f.second.kind);
  }
  EXPECT_FALSE(DesignLengths(7, &lengths));
  EXPECT_EQ(3, lengths.second);
  ASSERT_TRUE(DesignLengths(6, &lengths));
  EXPECT_EQ(40, lengths.hour);
  EXPECT_EQ(60, lengths.second);
  ASSERT_TRUE(DesignLengths(5, &lengths));
  EXPECT_EQ(58, lengths.minute);
}

TEST(HandGeometry, EveryHandStaysOnTheFaceAtEverySecondOfTheDay) {
  for (int design = DESIGN_SQUARE; design <= DESIGN_BALLOON; design++)
    for (int t = 0; t < 24 * 3600; t += 7) {
      HandFrame f = HandsAt(design, t / 3600, t / 60 % 60, t % 60);
      for (const HandShape* s : {&f.hour, &f.minute, &f.second})
        for (int i = 0; i < s->count; i++) {
          ASSERT_GE(s->points[i].x, 10);
          ASSERT_LE(s->points[i].x, 190);
          ASSERT_GE(s->points[i].y, 10);
          ASSERT_LE(s->points[i].y, 190);
        }
    }
}

}  // namespace
