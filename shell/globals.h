// The process-wide objects: the face, the application's settings (loaded
// first thing by the entry point), the notification-area icon, the window's
// outline, and which settings dialog is open.
#pragma once
#include <windows.h>

#include "settings/app_state.h"
#include "shell/tray.h"
#include "face/clock_image.h"
#include "face/region.h"

extern ClockImage theClock;
extern AppState theApp;
extern TrayIcon theTray;
// The window's outline from the region file, scaled at each DPI.
extern ClockOutline theOutline;

enum OpenDialogCode {
  DIALOG_NONE = 0,
  DIALOG_BACKGROUND = 1,
  DIALOG_MAIL = 2,
  DIALOG_EVENT = 3,
  DIALOG_WALLPAPER = 4
};
// Set while one of the settings dialogs runs, modal, on the clock's thread:
// the job it edits waits, and the hands stay shown.
extern int openDialog;
