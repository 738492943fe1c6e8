#include "app/globals.h"

// One translation unit, so the construction order is the order written.
ClockImage theClock;
AppState theApp = LoadStartUpState();
TrayIcon theTray;
SYSTEMTIME clockTime;
ClockOutline theOutline;
