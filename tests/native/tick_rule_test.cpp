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

TickTime T(int h, int m, int s, int day = 15) { return TickTime{2024, 2, day, h, m, s}; }

TEST(TickRule, ALateTickRunsTheMinuteItMissedOnce) {
  Clock c(T(9, 59, 58));
  TickPlan p = c.At(T(10, 0, 2));  // second 0 never seen
  EXPECT_TRUE(p.redraw);
  ASSERT_EQ(1, p.minutes.count);
  TickTime due;
  RunTime(&p.minutes, 0, &due);
  EXPECT_EQ(10, due.hour);
  EXPECT_EQ(0, due.minute);
  EXPECT_EQ(0, due.second);
  EXPECT_EQ(15, due.day);
  EXPECT_EQ(0, c.At(T(10, 0, 2)).redraw);  // the same second again
  EXPECT_EQ(0, c.At(T(10, 0, 3)).minutes.count);
  EXPECT_EQ(0, c.At(T(10, 0, 29)).halves.count);
  EXPECT_EQ(1, c.At(T(10, 0, 31)).halves.count);
  EXPECT_EQ(0, c.At(T(10, 0, 59)).halves.count);
  // Late for a half minute too: its jobs get its own time, not the tick's.
  p = c.At(T(10, 1, 33));
  ASSERT_EQ(1, p.halves.count);
  RunTime(&p.halves, 0, &due);
  EXPECT_EQ(1, due.minute);
  EXPECT_EQ(30, due.second);
}

TEST(TickRule, AFewMissedMinutesAreCaughtUpAndALongSleepIsNot) {
  Clock c(T(10, 0, 40));
  TickPlan p = c.At(T(10, 3, 45));
  EXPECT_EQ(3, p.minutes.count);  // 10:01, 10:02, 10:03
  EXPECT_EQ(3, p.halves.count);   // 10:01:30 to 10:03:30
  TickTime first;
  RunTime(&p.minutes, 0, &first);
  EXPECT_EQ(1, first.minute);
  RunTime(&p.halves, 2, &first);
  EXPECT_EQ(3, first.minute);
  p = c.At(T(13, 20, 10));  // resumed hours later: only the present minute
  EXPECT_EQ(1, p.minutes.count);
  EXPECT_EQ(1, p.halves.count);
  RunTime(&p.minutes, 0, &first);
  EXPECT_EQ(13, first.hour);
  EXPECT_EQ(20, first.minute);
  RunTime(&p.halves, 0, &first);  // the last half minute passed: 13:19:30
  EXPECT_EQ(19, first.minute);
}

TEST(TickRule, AClockSetBackRunsNoMinuteTwiceAndFarBackRunsThePresentOne) {
  Clock c(T(11, 59, 59));
  EXPECT_EQ(1, c.At(T(12, 0, 0)).minutes.count);
  EXPECT_EQ(0, c.At(T(11, 59, 57)).minutes.count);  // a small correction back
  EXPECT_EQ(0, c.At(T(12, 0, 1)).minutes.count);    // 12:00 has run already
  EXPECT_EQ(1, c.At(T(12, 1, 0)).minutes.count);
  EXPECT_EQ(1, c.At(T(9, 30, 10)).minutes.count);   // set back hours: the present minute
  EXPECT_EQ(0, c.At(T(9, 30, 40)).minutes.count);
  EXPECT_EQ(1, c.At(T(9, 31, 0)).minutes.count);    // the minutes come again, one by one
}

TEST(TickRule, MinutesAcrossDaysMonthsAndYears) {
  Clock c(TickTime{2023, 12, 31, 23, 58, 58});
  TickPlan p = c.At(TickTime{2024, 1, 1, 0, 0, 1});
  ASSERT_EQ(2, p.minutes.count);
  TickTime t;
  RunTime(&p.minutes, 0, &t);
  EXPECT_EQ(2023, t.year);
  EXPECT_EQ(12, t.month);
  EXPECT_EQ(31, t.day);
  EXPECT_EQ(23, t.hour);
  EXPECT_EQ(59, t.minute);
  RunTime(&p.minutes, 1, &t);
  EXPECT_EQ(2024, t.year);
  EXPECT_EQ(1, t.month);
  EXPECT_EQ(1, t.day);
  EXPECT_EQ(0, t.hour);
  Clock leap(TickTime{2024, 2, 28, 23, 59, 59});
  p = leap.At(TickTime{2024, 2, 29, 0, 0, 1});
  RunTime(&p.minutes, 0, &t);
  EXPECT_EQ(29, t.day);
}

}  // namespace
