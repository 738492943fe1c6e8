// What choosing a display mode does to the clock's place among windows:
// normal, always in front (a toggle) or always behind (a toggle).
#pragma once

enum { ZORDER_NORMAL = 0, ZORDER_IN_FRONT = 1, ZORDER_BEHIND = 2 };
// Moves among windows, as the system makes them.
enum ZOrderMove { MOVE_NOT_TOPMOST, MOVE_TOPMOST, MOVE_TOP, MOVE_BOTTOM };

struct ZOrderPlan {
  int top, bottom;            // the flags afterwards
  int writeTop, writeBottom;  // which of them the settings file gets
  int moves[2];               // ZOrderMove, in order
  int moveCount;
  // The bottom marker turns every later move into a move to the bottom:
  // it is cleared before the moves, and set only before the last one.
};

ZOrderPlan PlanZOrder(int mode, int top, int bottom);
