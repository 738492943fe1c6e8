// The main popup menu.
#pragma once
#include <windows.h>

struct AppState;
struct ClockHands;

// The two popups of menu IDR_MENU.
enum { MAIN_MENU = 0, TRAY_MENU = 1 };

// Opens the main menu at the cursor and waits until it closes; the chosen
// command reaches the clock window as a command message.
void ShowMainMenu(AppState* app, ClockHands* hands);
void UpdateMenuChecks(AppState* app, HMENU menu);
void UpdateHandMenuChecks(const ClockHands* hands, HMENU menu);
// Tracks a loaded pop-up at the cursor, owned by the window; the caller
// keeps the menu and destroys it.
void TrackAtCursor(HMENU popup, HWND owner);
