#include "events/event_runner.h"

#include "app/dial_up.h"
#include "events/event_actions.h"
#include "events/event_plan.h"
#include "events/event_platform.h"
#include "events/event_store.h"
#include "events/event_text.h"

// Fired one-shot lines leave the file before any action runs: a message
// box pumps the clock's timer, and a run started by a later minute then
// finds neither those lines nor a rewrite of ours still to come.
static void RemoveFiredLines(const char* path, EventText* text, const DuePlan* plan) {
  if (plan->removals.empty()) return;
  size_t length =
      RemoveTextLines(text->bytes, text->length, plan->removals.data(), plan->removals.size());
  ReplaceEventFile(path, text->bytes, length);
}

static void RunPlan(const DuePlan* plan) {
  for (const EventEntry& entry : plan->immediate) {
    if (entry.action == EVENT_OPEN_FILE) OpenEventFile(entry.parameter);
    else ShowEventMessage(entry.parameter);
  }
  if (plan->hangUp) HangUpDialUp();
  if (plan->shutdown == SHUTDOWN_NONE) return;
  if (plan->hangUp) eventPlatform.sleep(2000);  // let the line drop first
  ShutdownSystem(plan->shutdown == SHUTDOWN_FORCED);
}

int RunDueEvents(AppState* app, const SYSTEMTIME* time) {
  char path[MAX_PATH];
  EventText text;
  if (!EventFilePath(app, path) || !ReadEventText(path, &text)) return 0;
  EventTime now = {time->wMonth, time->wDay, time->wHour, time->wMinute};
  DuePlan plan;
  PlanDueEvents(text.bytes, text.length, &now, &plan);
  RemoveFiredLines(path, &text, &plan);
  FreeEventText(&text);
  RunPlan(&plan);
  return 1;
}
