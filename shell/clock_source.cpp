#include "shell/clock_source.h"

void(WINAPI* ReadClockTime)(SYSTEMTIME* time) = GetLocalTime;
