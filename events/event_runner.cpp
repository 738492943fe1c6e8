#include "events/event_runner.h"

#include "base/format_text.h"
#include "settings/app_state.h"
#include "settings/minute_job.h"
#include "platform/dial_up.h"
#include "events/event_actions.h"
#include "events/event_plan.h"
#include "events/event_platform.h"
#include "events/event_store.h"
#include "events/event_text.h"
#include "platform/file_replace.h"

// Fired one-shot lines leave the file before any action runs: a message
// box pumps the clock's timer, and a run started by a later minute then
// finds neither those lines nor a rewrite of ours still to come. Gives 0
// when they stay in the file; text has lost them either way.
static int RemoveFiredLines(const char* path, FileBytes* text, const DuePlan* plan) {
  if (plan->removalCount == 0) return 1;
  text->size = RemoveTextLines(text->data, text->size, plan->removals, plan->removalCount);
  return ReplaceDataFile(path, text->data, text->size);
}

// A one-shot event that stays in the file would run again next year (or
// after the clock is set back), so it does not run now.
static void TellOneShotsKept(HWND clock, const char* path) {
  char text[PATH_SIZE + 128];
  FormatText(
      text, sizeof text,
      "イベントファイル「%s」を書き換えられないため、一度だけのイベントを実行しませんでした。",
      path);
  MessageBoxA(clock, text, "エラー", MB_OK | MB_ICONEXCLAMATION);
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

// The plan of the minute, with its fired one-shot lines already out of
// the file; oneShotsKept set when they could not leave it, and then not
// planned. Gives 0 when the file could not be read or memory ran out.
static int PlanAndRemove(const char* path, const EventTime* now, DuePlan* plan,
                         int* oneShotsKept) {
  FileBytes text;
  if (!ReadEventText(path, &text)) return 0;
  int planned = PlanDueEvents(text.data, text.size, now, plan);
  if (planned && !RemoveFiredLines(path, &text, plan)) {
    // The text no longer holds the fired one-shot lines: planned again,
    // only the repeating events run.
    FreeDuePlan(plan);
    planned = PlanDueEvents(text.data, text.size, now, plan);
    *oneShotsKept = 1;
  }
  FreeFileBytes(&text);
  return planned;
}

int RunDueEvents(AppState* app, HWND clock, const EventTime* now) {
  char path[PATH_SIZE];
  // Read and rewritten under the file's lock: a clock of another session
  // on the same folder finds the fired one-shot lines gone, and runs them
  // no second time.
  if (!EventFilePath(app, clock, path) || !LockDataFile(path)) return 0;
  DuePlan plan = {};
  int oneShotsKept = 0;
  int planned = PlanAndRemove(path, now, &plan, &oneShotsKept);
  UnlockDataFile();
  if (oneShotsKept) TellOneShotsKept(clock, path);
  if (planned) RunPlan(&plan);
  FreeDuePlan(&plan);
  return planned;
}

void RunEventsOfMinute(const JobCall* call) {
  const TickTime* t = call->time;
  EventTime minute = {t->month, t->day, t->hour, t->minute};
  if (!call->waiting) RunDueEvents(call->app, call->clock, &minute);
}
