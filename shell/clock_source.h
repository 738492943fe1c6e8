// Where the tick reads the local time. Tests point it at a clock of
// their own; the program leaves it on the system's.
#pragma once
#include <windows.h>

extern void(WINAPI* ReadClockTime)(SYSTEMTIME* time);
