// The main popup menu.
#pragma once
#include <windows.h>

struct AppState;
struct ClockHands;

enum { MENU_RESOURCE = 101 };

void ShowMainMenu(AppState* app, ClockHands* hands);
void UpdateMenuChecks(AppState* app, HMENU menu);
