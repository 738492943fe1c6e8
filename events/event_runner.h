// Running the events that are due at a minute boundary.
#pragma once
#include <windows.h>

#include "events/event_plan.h"

struct AppState;
struct JobCall;

// 1 when the event file was read, 0 when it could not be. What it has to
// say is owned by the clock.
int RunDueEvents(AppState* app, HWND clock, const EventTime* now);
// The minute job: the due events, unless the event dialog is open.
void RunEventsOfMinute(const JobCall* call);
