// Which events are due at a minute, and what a run of them does.
#pragma once
#include <stddef.h>

#include "events/event_line.h"

struct EventTime {
  int month;
  int day;
  int hour;
  int minute;
};

enum ShutdownKind { SHUTDOWN_NONE = 0, SHUTDOWN_NORMAL = 1, SHUTDOWN_FORCED = 2 };

// A line is due when minute and hour match, and day and month match or
// are 0.
int IsEventDue(const EventEntry* entry, const EventTime* now);
// Both month and day fixed: the event runs once and is then removed.
int IsOneShotEvent(const EventEntry* entry);

struct DuePlan {
  EventEntry* immediate;  // open-file and message events, in file order
  size_t immediateCount;
  size_t* removals;  // indexes of the fired one-shot lines, ascending
  size_t removalCount;
  int hangUp;
  int shutdown;  // ShutdownKind; the last due shutdown line decides
};

// Reads every line of the event file's text. Lines with fewer than six
// fields are never due. 0 (and an empty plan) when memory ran out; free
// the plan with FreeDuePlan either way.
int PlanDueEvents(const char* text, size_t length, const EventTime* now, DuePlan* plan);
void FreeDuePlan(DuePlan* plan);
