// Where the clock stands: start position, dragging, z-order and cursor
// avoidance.
#pragma once
#include <windows.h>

struct AppState;

enum { TIMER_CLOCK = 1, TIMER_AVOID_POLL = 2, TIMER_AVOID_RESHOW = 3 };
enum { AVOID_OVER_CLOCK = 0, AVOID_RESHOW_TICK = 1, AVOID_POLL_TICK = 2 };

void LoadWindowPosition(AppState* app, POINT* position);
void SaveWindowPosition(AppState* app, LPARAM lParam, int grabX, int grabY);
void SetZOrderMode(AppState* app, int mode);
int IsCursorNear(AppState* app);
void AvoidCursor(AppState* app, int step);
// Left button down, mouse move and left button up; returns 1 with *result
// set when the message was handled, 0 for default processing.
int HandleDragMessage(AppState* app, UINT message, WPARAM wParam, LPARAM lParam,
                      LRESULT* result);
