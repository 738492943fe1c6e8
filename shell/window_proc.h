// The clock window's procedure: tick, keys, commands, mouse.
#pragma once
#include <windows.h>

LRESULT CALLBACK ClockWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The tick from here on; boundaries up to start count as done.
void StartTicking(HWND window, const SYSTEMTIME* start);
void ShowAbout(HWND owner);
// Marks the items of a loaded menu from the command table, as they stand now.
void MarkMenu(HMENU menu);
