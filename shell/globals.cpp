#include "shell/globals.h"

// One translation unit, so the construction order is the order written.
// They hold no files or windows until the entry point fills them.
ClockImage theClock;
AppState theApp;
TrayIcon theTray;
ClockOutline theOutline;
int openDialog;
