#include "shell/tick_rule.h"

// Days since 1970-01-01 in the proleptic Gregorian calendar.
static long long DaysFromCivil(long long y, int m, int d) {
  y -= m <= 2;
  long long era = (y >= 0 ? y : y - 399) / 400;
  long long yoe = y - era * 400;
  long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

static long long MinuteNumber(const TickTime* t) {
  return DaysFromCivil(t->year, t->month, t->day) * 1440 + t->hour * 60 + t->minute;
}

void RunTime(const TickRuns* runs, int run, TickTime* out) {
  long long minute = runs->firstMinute + run;
  long long days = minute >= 0 ? minute / 1440 : (minute - 1439) / 1440;
  long long inDay = minute - days * 1440;
  long long z = days + 719468;
  long long era = (z >= 0 ? z : z - 146096) / 146097;
  long long doe = z - era * 146097;
  long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  long long mp = (5 * doy + 2) / 153;
  int month = (int)(mp < 10 ? mp + 3 : mp - 9);
  out->year = (int)(yoe + era * 400 + (month <= 2));
  out->month = month;
  out->day = (int)(doy - (153 * mp + 2) / 5 + 1);
  out->hour = (int)(inDay / 60);
  out->minute = (int)(inDay % 60);
  out->second = runs->second;
}

// Runs owed for boundaries after *mark up to due, and *mark moved on. A
// jump further than catching up covers, either way, owes the present
// boundary alone; a small step back owes nothing, since those ran.
static int Owed(long long due, long long* mark, long long* first) {
  long long gap = due - *mark;
  if (gap <= 0 && gap >= -TICK_CATCH_UP_MINUTES) return 0;
  *first = gap > 0 && gap <= TICK_CATCH_UP_MINUTES ? *mark + 1 : due;
  *mark = due;
  return (int)(due - *first + 1);
}

static long long HalfDue(const TickTime* t, long long minute) {
  return t->second >= 30 ? minute : minute - 1;
}

void StartTickMarks(const TickTime* now, TickMarks* marks) {
  long long minute = MinuteNumber(now);
  marks->second = minute * 60 + now->second;
  marks->minute = minute;
  marks->halfMinute = HalfDue(now, minute);
}

void PlanTick(const TickTime* now, TickMarks* marks, TickPlan* plan) {
  long long minute = MinuteNumber(now), second = minute * 60 + now->second;
  plan->redraw = second != marks->second;
  plan->minutes = TickRuns{minute, 0, 0};
  plan->halves = TickRuns{minute, 0, 30};
  if (!plan->redraw) return;
  marks->second = second;
  plan->minutes.count = Owed(minute, &marks->minute, &plan->minutes.firstMinute);
  plan->halves.count = Owed(HalfDue(now, minute), &marks->halfMinute, &plan->halves.firstMinute);
}
