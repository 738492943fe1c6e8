// The clock tick's bookkeeping: each minute's and half minute's jobs run
// once, however late the tick, and a clock set back or forward does not
// replay them wildly.
#include "shell/tick_rule.h"

#include <gtest/gtest.h>

namespace {

struct Clock {
  TickMarks marks;
  explicit Clock(TickTime start) { StartTickMarks(&start, &marks); }
  TickPlan At(TickTime t) {
    TickPlan p;
    PlanTick(&t, &marks, &p);
    return p;
  }
};

TickTime T(int h, int m, int s, int day = 15) { return TickTime{2024, 2, day, h, m, s, 0}; }

TEST(TickRule, ALateTickRunsTheMinuteItMissedOnce) {
  Clock c(T(9, 59, 58));
  TickPlan p = c.At(T(10, 0, 2));  // second 0 never seen
  EXPECT_TRUE(p.redraw);
  ASSERT_EQ(1, p.minuteRuns);
  TickTime due;
  MinuteTime(p.firstMinute, &due);
  EXPECT_EQ(10, due.hour);
  EXPECT_EQ(0, due.minute);
  EXPECT_EQ(15, due.day);
  EXPECT_EQ(0, c.At(T(10, 0, 2)).redraw);  // the same second again
  EXPECT_EQ(0, c.At(T(10, 0, 3)).minuteRuns);
  EXPECT_EQ(0, c.At(T(10, 0, 29)).halfRuns);
  EXPECT_EQ(1, c.At(T(10, 0, 31)).halfRuns);
  EXPECT_EQ(0, c.At(T(10, 0, 59)).halfRuns);
}

TEST(TickRule, AFewMissedMinutesAreCaughtUpAndALongSleepIsNot) {
  Clock c(T(10, 0, 40));
  TickPlan p = c.At(T(10, 3, 45));
  EXPECT_EQ(3, p.minuteRuns);  // 10:01, 10:02, 10:03
  EXPECT_EQ(3, p.halfRuns);    // 10:01:30 to 10:03:30
  TickTime first;
  MinuteTime(p.firstMinute, &first);
  EXPECT_EQ(1, first.minute);
  p = c.At(T(13, 20, 10));  // resumed hours later: only the present minute
  EXPECT_EQ(1, p.minuteRuns);
  EXPECT_EQ(1, p.halfRuns);
  MinuteTime(p.firstMinute, &first);
  EXPECT_EQ(13, first.hour);
  EXPECT_EQ(20, first.minute);
}

TEST(TickRule, AClockSetBackRunsNoMinuteTwiceAndFarBackRunsThePresentOne) {
  Clock c(T(11, 59, 59));
  EXPECT_EQ(1, c.At(T(12, 0, 0)).minuteRuns);
  EXPECT_EQ(0, c.At(T(11, 59, 57)).minuteRuns);  // a small correction back
  EXPECT_EQ(0, c.At(T(12, 0, 1)).minuteRuns);    // 12:00 has run already
  EXPECT_EQ(1, c.At(T(12, 1, 0)).minuteRuns);
  EXPECT_EQ(1, c.At(T(9, 30, 10)).minuteRuns);   // set back hours: the present minute
  EXPECT_EQ(0, c.At(T(9, 30, 40)).minuteRuns);
  EXPECT_EQ(1, c.At(T(9, 31, 0)).minuteRuns);    // the minutes come again, one by one
}

TEST(TickRule, MinutesAcrossDaysMonthsAndYears) {
  Clock c(TickTime{2023, 12, 31, 23, 59, 58, 0});
  TickPlan p = c.At(TickTime{2024, 1, 1, 0, 1, 1, 0});
  ASSERT_EQ(2, p.minuteRuns);
  TickTime t;
  MinuteTime(p.firstMinute, &t);
  EXPECT_EQ(2024, t.year);
  EXPECT_EQ(1, t.month);
  EXPECT_EQ(1, t.day);
  EXPECT_EQ(1, t.dayOfWeek);  // a Monday
  MinuteTime(p.firstMinute - 1, &t);
  EXPECT_EQ(2023, t.year);
  EXPECT_EQ(31, t.day);
  Clock leap(TickTime{2024, 2, 28, 23, 59, 59, 0});
  MinuteTime(leap.At(TickTime{2024, 2, 29, 0, 0, 1, 0}).firstMinute, &t);
  EXPECT_EQ(29, t.day);
}

}  // namespace
