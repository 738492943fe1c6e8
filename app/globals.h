// The process-wide objects, built before the entry point in this order:
// the face, the application state, the notification-area icon.
#pragma once
#include <windows.h>

#include "app/app_state.h"
#include "app/tray.h"
#include "face/clock_image.h"
#include "face/region.h"

extern ClockImage theClock;
extern AppState theApp;
extern TrayIcon theTray;
extern SYSTEMTIME clockTime;
// The window's outline from the region file, scaled at each DPI.
extern ClockOutline theOutline;
