#include "shell/position_rule.h"
#include "shell/zorder_rule.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A 1024 x 768 screen with a 30-pixel taskbar at the bottom.
const ScreenArea kPrimary = {0, 0, 1024, 738};
// A second monitor to the right of it and one above it.
const ScreenArea kRight = {1024, 0, 2304, 1024};
const ScreenArea kAbove = {0, -768, 1024, 0};

ScreenPoint Choose(ScreenPoint stored, std::initializer_list<ScreenArea> monitors) {
  return ChooseWindowPosition(stored, &kPrimary, monitors.begin(), (int)monitors.size());
}

void ExpectPoint(int x, int y, ScreenPoint p) {
  EXPECT_EQ(x, p.x);
  EXPECT_EQ(y, p.y);
}

TEST(PositionRule, DefaultHalvesTheRightAndBottomEdgesOnly) {
  ExpectPoint(412, 269, DefaultWindowPosition(&kPrimary));
  // A taskbar on the left or top does not shift the default.
  ScreenArea shifted = {60, 40, 1024, 768};
  ExpectPoint(412, 284, DefaultWindowPosition(&shifted));
  // Odd sizes truncate; a tiny area gives a negative default, towards zero.
  ScreenArea odd = {0, 0, 801, 3};
  ExpectPoint(300, -99, DefaultWindowPosition(&odd));
}

TEST(PositionRule, HalfInsideBoundsOnTheOnlyMonitor) {
  // Exactly half in at each edge is kept, one pixel less falls back.
  ExpectPoint(-100, -100, Choose({-100, -100}, {kPrimary}));
  ExpectPoint(924, 638, Choose({924, 638}, {kPrimary}));
  ExpectPoint(412, 269, Choose({-101, 925}, {kPrimary}));
  // Each coordinate falls back on its own.
  ExpectPoint(412, 50, Choose({-500, 50}, {kPrimary}));
  ExpectPoint(50, 269, Choose({50, 639}, {kPrimary}));
  // The work area's own left and top edges count for the rule.
  ScreenArea shifted = {60, 40, 1024, 768};
  ExpectPoint(-40, -60, ChooseWindowPosition({-40, -60}, &shifted, &shifted, 1));
  ExpectPoint(412, 284, ChooseWindowPosition({-41, -61}, &shifted, &shifted, 1));
}

TEST(PositionRule, ClockOnASecondMonitorStaysThere) {
  ExpectPoint(1500, 700, Choose({1500, 700}, {kPrimary, kRight}));
  // Below the primary's bottom but still on the taller right monitor.
  ExpectPoint(1100, 900, Choose({1100, 900}, {kPrimary, kRight}));
  ExpectPoint(300, -500, Choose({300, -500}, {kAbove, kPrimary}));
  // Half on the right monitor at its far edge.
  ExpectPoint(2204, 0, Choose({2204, 0}, {kPrimary, kRight}));
}

TEST(PositionRule, OffEveryMonitorFallsBackAgainstThePrimary) {
  // Beyond the right monitor's far edge: x falls back; (412, 100) is on the primary.
  ExpectPoint(412, 100, Choose({2205, 100}, {kPrimary, kRight}));
  // Below the right monitor: judged against it, x stays and only y falls back.
  ExpectPoint(1500, 269, Choose({1500, 1200}, {kPrimary, kRight}));
  // Off the top monitor's left edge: y stays on that monitor.
  ExpectPoint(412, -500, Choose({-300, -500}, {kPrimary, kAbove}));
  // The monitor the clock stood on is gone: back onto the primary.
  ExpectPoint(412, 700 - 431, Choose({1500, 700}, {kPrimary}));
  // Below a right monitor shorter than the default's height: the coordinate
  // kept there and the default one would meet on no monitor.
  ScreenArea lowRight = {1024, 400, 2048, 700};
  ExpectPoint(412, 269, Choose({1500, 800}, {kPrimary, lowRight}));
  // No monitor reported at all still gives a position on the primary.
  ExpectPoint(412, 269, Choose({5000, -5000}, {}));
}

TEST(PositionRule, ExtremeStoredValuesDoNotOverflow) {
  ExpectPoint(412, 269, Choose({INT_MIN, INT_MAX}, {kPrimary, kRight}));
  ExpectPoint(412, 269, Choose({INT_MAX, INT_MIN}, {kPrimary}));
  // A hand-made monitor list at the far corner of the number range.
  ScreenArea far = {INT_MIN, INT_MIN, INT_MIN + 1, INT_MIN + 1};
  ExpectPoint(412, 269, Choose({INT_MAX, INT_MAX}, {far, kPrimary}));
}

TEST(PositionRule, ResizedClockKeepsItsCentreAndDoesNotLeaveTheWorkArea) {
  ScreenArea middle = {400, 300, 600, 500};
  ExpectPoint(450, 350, ResizeAboutCentre(&middle, 100, 100, &kPrimary));
  ExpectPoint(300, 200, ResizeAboutCentre(&middle, 400, 400, &kPrimary));
  // Grown in the bottom-right corner: pushed back onto the work area.
  ScreenArea corner = {824, 538, 1024, 738};
  ExpectPoint(624, 338, ResizeAboutCentre(&corner, 400, 400, &kPrimary));
  // Left half off the right edge on purpose: grows no further off it.
  ScreenArea halfOff = {924, 100, 1124, 300};
  ExpectPoint(724, 0, ResizeAboutCentre(&halfOff, 400, 400, &kPrimary));
  // Shrunk there, it stays where the user had it, about the same centre.
  ExpectPoint(974, 150, ResizeAboutCentre(&halfOff, 100, 100, &kPrimary));
  // Larger than the work area: about the centre all the same; odd sizes round down.
  ScreenArea small = {0, 0, 300, 200};
  ScreenArea tiny = {10, 10, 210, 210};
  ExpectPoint(-91, -91, ResizeAboutCentre(&tiny, 401, 401, &small));
  ScreenArea negative = {-300, -300, -100, -100};
  ExpectPoint(-263, -263, ResizeAboutCentre(&negative, 125, 125, &kAbove));
}

TEST(CursorCircle, StrictlyInsideEightyPixels) {
  ScreenPoint centre = {500, 400};
  EXPECT_TRUE(CursorWithinCircle({500, 400}, centre));
  EXPECT_TRUE(CursorWithinCircle({579, 400}, centre));
  EXPECT_FALSE(CursorWithinCircle({580, 400}, centre));
  EXPECT_FALSE(CursorWithinCircle({500, 320}, centre));
  // 48² + 64² = 80²: on the circle is outside; a window corner is far outside.
  EXPECT_FALSE(CursorWithinCircle({548, 464}, centre));
  EXPECT_TRUE(CursorWithinCircle({547, 463}, centre));
  EXPECT_FALSE(CursorWithinCircle({401, 301}, centre));
  EXPECT_FALSE(CursorWithinCircle({INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}));
}

struct AvoidCase {
  AvoidState from;
  int step;
  int cursorNear;
  AvoidState to;
  int actions;
};

TEST(CursorAvoidance, EveryTransition) {
  const AvoidCase cases[] = {
      // Shown: only the cursor over the clock and near it hides it.
      {AVOID_SHOWN, AVOID_OVER_CLOCK, 1, AVOID_HIDDEN_POLLING, AVOID_START_POLL | AVOID_HIDE},
      {AVOID_SHOWN, AVOID_OVER_CLOCK, 0, AVOID_SHOWN, 0},
      {AVOID_SHOWN, AVOID_POLL_TICK, 0, AVOID_SHOWN, 0},
      {AVOID_SHOWN, AVOID_RESHOW_TICK, 0, AVOID_SHOWN, 0},
      // Polling: waits until the cursor has left, then starts the wait.
      {AVOID_HIDDEN_POLLING, AVOID_POLL_TICK, 1, AVOID_HIDDEN_POLLING, 0},
      {AVOID_HIDDEN_POLLING, AVOID_POLL_TICK, 0, AVOID_HIDDEN_WAITING,
       AVOID_STOP_POLL | AVOID_START_RESHOW},
      // Shown again by a command while polling: the pointer hides it again.
      {AVOID_HIDDEN_POLLING, AVOID_OVER_CLOCK, 1, AVOID_HIDDEN_POLLING,
       AVOID_START_POLL | AVOID_HIDE},
      {AVOID_HIDDEN_POLLING, AVOID_OVER_CLOCK, 0, AVOID_HIDDEN_POLLING, 0},
      {AVOID_HIDDEN_POLLING, AVOID_RESHOW_TICK, 0, AVOID_HIDDEN_POLLING, 0},
      // Waiting: shows again only if the cursor is still away.
      {AVOID_HIDDEN_WAITING, AVOID_RESHOW_TICK, 0, AVOID_SHOWN, AVOID_STOP_RESHOW | AVOID_SHOW},
      {AVOID_HIDDEN_WAITING, AVOID_RESHOW_TICK, 1, AVOID_HIDDEN_POLLING,
       AVOID_STOP_RESHOW | AVOID_START_POLL},
      {AVOID_HIDDEN_WAITING, AVOID_POLL_TICK, 0, AVOID_HIDDEN_WAITING, 0},
      {AVOID_HIDDEN_WAITING, AVOID_OVER_CLOCK, 1, AVOID_HIDDEN_POLLING,
       AVOID_STOP_RESHOW | AVOID_START_POLL | AVOID_HIDE},
  };
  for (const AvoidCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "from " << c.from << " step " << c.step << " near "
                                    << c.cursorNear);
    AvoidState state = c.from;
    EXPECT_EQ(c.actions, NextAvoidStep(&state, c.step, c.cursorNear));
    EXPECT_EQ(c.to, state);
  }
}

}  // namespace

TEST(ZOrderRule, EachModeEndsInOneBandAndTheTogglesComeBack) {
  const int states[][2] = {{0, 0}, {1, 0}, {0, 1}};  // normal, in front, behind
  for (const auto& s : states) {
    ZOrderPlan normal = PlanZOrder(ZORDER_NORMAL, s[0], s[1]);
    EXPECT_EQ(0, normal.top + normal.bottom);
    EXPECT_EQ(MOVE_TOP, normal.moves[normal.moveCount - 1]);  // lifted from the bottom too
    for (int mode : {ZORDER_IN_FRONT, ZORDER_BEHIND}) {
      ZOrderPlan once = PlanZOrder(mode, s[0], s[1]);
      EXPECT_LE(once.top + once.bottom, 1);  // never both bands
    }
  }
  for (int mode : {ZORDER_IN_FRONT, ZORDER_BEHIND}) {
    ZOrderPlan on = PlanZOrder(mode, 0, 0);
    EXPECT_EQ(1, on.top + on.bottom);
    ZOrderPlan off = PlanZOrder(mode, on.top, on.bottom);
    EXPECT_EQ(0, off.top + off.bottom);
  }
  // Sinking from the front leaves the topmost band before the marker goes on.
  ZOrderPlan sink = PlanZOrder(ZORDER_BEHIND, 1, 0);
  ASSERT_EQ(2, sink.moveCount);
  EXPECT_EQ(MOVE_NOT_TOPMOST, sink.moves[0]);
  EXPECT_EQ(MOVE_BOTTOM, sink.moves[1]);
}
