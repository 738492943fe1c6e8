#include "events/event_runner.h"

#include "platform/dial_up.h"
#include "events/event_actions.h"
#include "events/event_plan.h"
#include "events/event_platform.h"
#include "events/event_store.h"
#include "events/event_text.h"
#include "platform/file_replace.h"

// Fired one-shot lines leave the file before any action runs: a message
// box pumps the clock's timer, and a run started by a later minute then
// finds neither those lines nor a rewrite of ours still to come.
static void RemoveFiredLines(const char* path, FileBytes* text, const DuePlan* plan) {
  if (plan->removalCount == 0) return;
  size_t length = RemoveTextLines(text->data, text->size, plan->removals, plan->removalCount);
  ReplaceDataFile(path, text->data, length);
}

static void RunPlan(const DuePlan* plan) {
  for (size_t i = 0; i < plan->immediateCount; i++) {
    const EventEntry* entry = &plan->immediate[i];
    if (entry->action == EVENT_OPEN_FILE) OpenEventFile(entry->parameter);
    else ShowEventMessage(entry->parameter);
  }
  if (plan->hangUp) HangUpDialUp();
  if (plan->shutdown == SHUTDOWN_NONE) return;
  if (plan->hangUp) eventPlatform.sleep(2000);  // let the line drop first
  ShutdownSystem(plan->shutdown == SHUTDOWN_FORCED);
}

int RunDueEvents(AppState* app, const SYSTEMTIME* time) {
  char path[MAX_PATH];
  FileBytes text;
  if (!EventFilePath(app, path) || !ReadEventText(path, &text)) return 0;
  EventTime now = {time->wMonth, time->wDay, time->wHour, time->wMinute};
  DuePlan plan;
  int planned = PlanDueEvents(text.data, text.size, &now, &plan);
  if (planned) RemoveFiredLines(path, &text, &plan);
  FreeFileBytes(&text);
  if (planned) RunPlan(&plan);
  FreeDuePlan(&plan);
  return planned;
}
