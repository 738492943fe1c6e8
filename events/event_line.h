// One line of the event file: "month,day,hour,minute,action,parameter,\n".
#pragma once
#include <stddef.h>

enum EventAction {
  EVENT_OPEN_FILE = 0,
  EVENT_MESSAGE = 1,
  EVENT_HANG_UP = 2,
  EVENT_SHUTDOWN = 3,
  EVENT_SHUTDOWN_FORCED = 4
};

enum {
  EVENT_PARAMETER_SIZE = 260,  // 259 bytes of text
  EVENT_LINE_SIZE = 324,       // what a reader keeps of one line, NUL included
  EVENT_FIELD_COUNT = 6
};

struct EventEntry {
  int month;   // 0 = every month
  int day;     // 0 = every day
  int hour;
  int minute;
  int action;
  char parameter[EVENT_PARAMETER_SIZE];
};

struct EventPiece {
  const char* text;
  size_t length;
};

// Splits a line at commas, a run of commas counting as one separator; the
// line ends at its line break. Gives the number of pieces (at most six).
int SplitEventLine(const char* line, EventPiece pieces[EVENT_FIELD_COUNT]);

// Fills entry from a line (missing numbers 0, missing parameter empty);
// gives 1 when the line holds all six fields.
int ParseEventLine(const char* line, EventEntry* entry);

// The line the dialog stores for entry, into out of size bytes; a line
// break in the parameter ends it there, so one event stays one line.
// Gives the length, or 0 if it does not fit.
size_t FormatEventLine(const EventEntry* entry, char* out, size_t size);

// The list's date column, "month/day hour:minute", with the first two
// fields' text as stored, or everyMonth / everyDay where the value is 0.
void FormatEventWhen(const char* line, const char* everyMonth, const char* everyDay, char* out,
                     size_t size);
