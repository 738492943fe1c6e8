// What a clock tick owes: a redraw for a new second, and the minute and
// half-minute jobs of every boundary passed since the last tick, each
// once, however late the tick comes or wherever the clock is set.
#pragma once
#include "base/tick_time.h"

// Boundaries missed by a tick this late are each caught up; after a longer
// jump either way (sleep, a clock set forward or back) only the present
// minute's jobs run, and the count goes on from there. A smaller step back
// runs nothing: those minutes ran already.
enum { TICK_CATCH_UP_MINUTES = 5 };

struct TickMarks {
  long long second;      // of the last tick that counted
  long long minute;      // last minute whose jobs ran
  long long halfMinute;  // last minute whose half-minute jobs ran
};

// The runs a job list owes: one for each boundary from the first on.
struct TickRuns {
  long long firstMinute;  // minute number of the first boundary
  int count;
  int second;  // of the boundary within its minute: 0, or 30
};

struct TickPlan {
  int redraw;
  TickRuns minutes;  // the minute jobs
  TickRuns halves;   // the half-minute jobs
};

// Marks for the time the program started: boundaries up to it count as done.
void StartTickMarks(const TickTime* now, TickMarks* marks);
void PlanTick(const TickTime* now, TickMarks* marks, TickPlan* plan);
// The time of a run's boundary, for the jobs of that run.
void RunTime(const TickRuns* runs, int run, TickTime* out);
