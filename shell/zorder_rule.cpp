#include "shell/zorder_rule.h"

static void AddMove(ZOrderPlan* plan, int move) { plan->moves[plan->moveCount++] = move; }

ZOrderPlan PlanZOrder(int mode, int top, int bottom) {
  ZOrderPlan plan = {top, bottom, 0, 0, {0, 0}, 0};
  if (mode == ZORDER_NORMAL) {
    plan = ZOrderPlan{0, 0, 1, 1, {0, 0}, 0};
    AddMove(&plan, MOVE_NOT_TOPMOST);
    AddMove(&plan, MOVE_TOP);  // also lifts it from the bottom
  } else if (mode == ZORDER_IN_FRONT) {
    plan.top = !top;
    plan.writeTop = 1;
    if (plan.top) {
      plan.bottom = 0;
      plan.writeBottom = 1;
      AddMove(&plan, MOVE_TOPMOST);
    } else {
      AddMove(&plan, MOVE_NOT_TOPMOST);
    }
  } else if (mode == ZORDER_BEHIND) {
    plan.writeBottom = 1;
    plan.bottom = !bottom;
    if (plan.bottom) {
      plan.top = 0;
      plan.writeTop = 1;
      // Not every system drops the topmost status when sinking.
      AddMove(&plan, MOVE_NOT_TOPMOST);
      AddMove(&plan, MOVE_BOTTOM);
    }
  }
  return plan;
}
