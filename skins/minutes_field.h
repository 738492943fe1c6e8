// The minutes field (IDC_MINUTES) of the timed skin and wallpaper changes,
// in IDD_BACKGROUND and IDD_WALLPAPER.
#pragma once
#include <windows.h>

// Editable while the timed change is on, else read-only and shown disabled.
void SetMinutesEditable(HWND dialog, int editable);
void InitMinutesField(HWND dialog, int minutes);
// The field as a number, 0 when it holds none.
int ReadMinutes(HWND dialog);
// The field never stays below 1: returns the minutes it holds afterwards.
int KeepMinutesAtLeastOne(HWND dialog);
