// Event files of arbitrary bytes: planning a due run, removing its lines,
// and every line parsed, listed and written back.
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <vector>

#include "events/event_line.h"
#include "events/event_plan.h"
#include "events/event_text.h"

static void CheckLine(const char* line) {
  EventEntry entry;
  int complete = ParseEventLine(line, &entry);
  if (strlen(entry.parameter) >= EVENT_PARAMETER_SIZE) __builtin_trap();
  char when[64];
  FormatEventWhen(line, "M", "D", when, sizeof when);
  if (!complete) return;
  // What the dialog would write for this entry reads back the same.
  char out[EVENT_LINE_SIZE + 40];
  if (!FormatEventLine(&entry, out, sizeof out)) __builtin_trap();
  EventEntry back;
  if (!ParseEventLine(out, &back) || back.month != entry.month || back.day != entry.day ||
      back.hour != entry.hour || back.minute != entry.minute || back.action != entry.action ||
      strcmp(back.parameter, entry.parameter) != 0)
    __builtin_trap();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  EventTime now = {data[0] % 13, data[1] % 32, data[2] % 24, data[3] % 60};
  std::vector<char> text(data + 4, data + size);
  size_t length = text.size();
  size_t lines = 0;
  char line[EVENT_LINE_SIZE];
  for (size_t pos = 0; pos < length; lines++) {
    pos = ReadEventLine(text.data(), length, pos, line);
    CheckLine(line);
  }
  DuePlan plan;
  PlanDueEvents(text.data(), length, &now, &plan);
  for (size_t i = 0; i < plan.removalCount; i++)
    if (plan.removals[i] >= lines || (i > 0 && plan.removals[i] <= plan.removals[i - 1]))
      __builtin_trap();
  size_t kept = RemoveTextLines(text.data(), length, plan.removals, plan.removalCount);
  if (kept > length) __builtin_trap();
  // What is left holds exactly the lines that were not removed.
  size_t left = 0;
  for (size_t pos = 0; pos < kept; left++) pos = ReadEventLine(text.data(), kept, pos, line);
  if (left + plan.removalCount != lines) __builtin_trap();
  FreeDuePlan(&plan);
  return 0;
}
