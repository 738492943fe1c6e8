#include "events/event_plan.h"

#include <stdlib.h>
#include <string.h>

#include "events/event_text.h"

int IsEventDue(const EventEntry* entry, const EventTime* now) {
  return entry->minute == now->minute && entry->hour == now->hour &&
         (entry->day == 0 || entry->day == now->day) &&
         (entry->month == 0 || entry->month == now->month);
}

int IsOneShotEvent(const EventEntry* entry) { return entry->month != 0 && entry->day != 0; }

static void PlanAction(const EventEntry* entry, DuePlan* plan) {
  switch (entry->action) {
    case EVENT_OPEN_FILE:
    case EVENT_MESSAGE:
      if (plan->immediate) plan->immediate[plan->immediateCount] = *entry;
      plan->immediateCount++;
      break;
    case EVENT_HANG_UP:
      plan->hangUp = 1;
      break;
    case EVENT_SHUTDOWN:
      plan->shutdown = SHUTDOWN_NORMAL;
      break;
    case EVENT_SHUTDOWN_FORCED:
      plan->shutdown = SHUTDOWN_FORCED;
      break;
    default:
      break;  // unknown action: nothing runs, a one-shot line still goes
  }
}

// Without arrays it only counts what a second walk with arrays fills in.
static void WalkDueLines(const char* text, size_t length, const EventTime* now, DuePlan* plan) {
  plan->immediateCount = plan->removalCount = 0;
  plan->hangUp = 0;
  plan->shutdown = SHUTDOWN_NONE;
  char line[EVENT_LINE_SIZE];
  size_t index = 0;
  for (size_t pos = 0; pos < length; index++) {
    pos = ReadEventLine(text, length, pos, line);
    EventEntry entry;
    if (!ParseEventLine(line, &entry) || !IsEventDue(&entry, now)) continue;
    if (IsOneShotEvent(&entry)) {
      if (plan->removals) plan->removals[plan->removalCount] = index;
      plan->removalCount++;
    }
    PlanAction(&entry, plan);
  }
}

int PlanDueEvents(const char* text, size_t length, const EventTime* now, DuePlan* plan) {
  memset(plan, 0, sizeof *plan);
  WalkDueLines(text, length, now, plan);
  plan->immediate = (EventEntry*)malloc((plan->immediateCount + 1) * sizeof(EventEntry));
  plan->removals = (size_t*)malloc((plan->removalCount + 1) * sizeof(size_t));
  if (!plan->immediate || !plan->removals) {
    FreeDuePlan(plan);
    return 0;
  }
  WalkDueLines(text, length, now, plan);
  return 1;
}

void FreeDuePlan(DuePlan* plan) {
  free(plan->immediate);
  free(plan->removals);
  memset(plan, 0, sizeof *plan);
}
