// Running the events that are due at a minute boundary.
#pragma once
#include <windows.h>

struct AppState;

// 1 when the event file was read, 0 when it could not be.
int RunDueEvents(AppState* app, const SYSTEMTIME* time);
// The minute job: the due events, unless the event dialog is open.
void RunEventsOfMinute(void* unused, AppState* app, const SYSTEMTIME* time);
