// Running the events that are due at a minute boundary.
#pragma once
#include <windows.h>

struct AppState;

void RunDueEvents(AppState* app, const SYSTEMTIME* time);
