// What a clock tick owes: a redraw for a new second, and the minute and
// half-minute jobs of every boundary passed since the last tick, each
// once, however late the tick comes or wherever the clock is set.
#pragma once

struct TickTime {
  int year, month, day, hour, minute, second;
  int dayOfWeek;  // 0 Sunday; filled by MinuteTime, not read
};

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

struct TickPlan {
  int redraw;
  long long firstMinute;  // minute number of the first minute job
  int minuteRuns;         // minute jobs, for firstMinute onwards
  int halfRuns;           // half-minute jobs
};

// Marks for the time the program started: boundaries up to it count as done.
void StartTickMarks(const TickTime* now, TickMarks* marks);
void PlanTick(const TickTime* now, TickMarks* marks, TickPlan* plan);
// The time at second 0 of a minute number, for that minute's jobs.
void MinuteTime(long long minute, TickTime* out);
