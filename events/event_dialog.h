// IDD_EVENT: listing, adding and deleting events.
#pragma once
#include <windows.h>

struct AppState;

// Modal, owned by owner; the current time preselects the date and time.
void EventDialog(HWND owner, AppState* app, const SYSTEMTIME* time);
