// The jobs the clock's tick runs at each minute (or half-minute) boundary.
#pragma once
#include <windows.h>

#include "base/tick_time.h"

struct AppState;

// What a job is handed at its boundary.
struct JobCall {
  void* context;  // the job's own, from its row
  AppState* app;
  HWND clock;     // owner of anything the job shows
  const TickTime* time;  // the boundary's own, however late the tick came
  int waiting;    // the settings dialog that edits the job is open
};

// A job of the clock's minute (or half-minute) boundary: each counts its
// own interval and runs when it is due, unless it is waiting.
struct MinuteJob {
  void (*run)(const JobCall* call);
  void* context;
  int waitsFor;  // the open-dialog code under which it waits, or 0
};
