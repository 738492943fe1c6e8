// Dialog 112: listing, adding and deleting events.
#pragma once
#include <windows.h>

struct AppState;

void EventDialog(HWND owner, AppState* app, SYSTEMTIME* time);
