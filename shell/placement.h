// Where the clock stands: start position, dragging, z-order and cursor
// avoidance.
#pragma once
#include <windows.h>

#include "shell/position_rule.h"
#include "shell/zorder_rule.h"

struct AppState;
struct ClockImage;
struct ClockOutline;

enum { TIMER_CLOCK = 1, TIMER_AVOID_POLL = 2, TIMER_AVOID_RESHOW = 3 };

// The stored corner by the placement rule, for the window's size now; the
// stored z-order holds from here on.
void LoadWindowPosition(HWND window, AppState* app, POINT* position);
// After a change of displays or work area: the placement rule again for
// where the clock stands, so that it stays on a monitor.
void KeepOnScreen(HWND window);
// The window at another DPI: the suggested place, the outline and face
// at the new scale.
void ApplyDpi(HWND window, AppState* app, ClockImage* face, const ClockOutline* outline, int dpi,
              const RECT* suggested);
// The size the user chose, stored and shown: the clock keeps its centre
// and stays on its work area, and the corner it stands at is stored.
void SetClockSize(HWND window, AppState* app, ClockImage* face, const ClockOutline* outline,
                  int percent);
void SaveWindowPosition(HWND window, AppState* app, LPARAM lParam, int grabX, int grabY);
void SetZOrderMode(HWND window, AppState* app, int mode);
// A proposed move of the clock (WM_WINDOWPOSCHANGING), sent to the bottom
// when the clock stays behind every window.
void KeepAtBottom(WINDOWPOS* move);
int IsCursorNear(HWND window);
// step is one of AvoidStep.
void AvoidCursor(HWND window, int step);
// Left button down, mouse move and left button up; returns 1 with *result
// set when the message was handled, 0 for default processing.
int HandleDragMessage(HWND window, AppState* app, UINT message, WPARAM wParam, LPARAM lParam,
                      LRESULT* result);
