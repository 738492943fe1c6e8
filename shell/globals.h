// The process-wide objects: the face, the application state (loaded first
// thing by the entry point), the notification-area icon.
#pragma once
#include <windows.h>

#include "settings/app_state.h"
#include "shell/tray.h"
#include "face/clock_image.h"
#include "face/region.h"

extern ClockImage theClock;
extern AppState theApp;
extern TrayIcon theTray;
extern SYSTEMTIME clockTime;
// The window's outline from the region file, scaled at each DPI.
extern ClockOutline theOutline;
