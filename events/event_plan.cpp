#include "events/event_plan.h"

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
      plan->immediate.push_back(*entry);
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

void PlanDueEvents(const char* text, size_t length, const EventTime* now, DuePlan* plan) {
  plan->immediate.clear();
  plan->removals.clear();
  plan->hangUp = 0;
  plan->shutdown = SHUTDOWN_NONE;
  char line[EVENT_LINE_SIZE];
  size_t index = 0;
  for (size_t pos = 0; pos < length; index++) {
    pos = ReadEventLine(text, length, pos, line);
    EventEntry entry;
    if (!ParseEventLine(line, &entry) || !IsEventDue(&entry, now)) continue;
    if (IsOneShotEvent(&entry)) plan->removals.push_back(index);
    PlanAction(&entry, plan);
  }
}
