// Controls the two skin and wallpaper dialogs share: check boxes and the
// minutes field of the timed change.
#pragma once
#include <windows.h>

int IsChecked(HWND dialog, int id);
void SetChecked(HWND dialog, int id, int on);
// The minutes field: editable while the timed change is on, else read-only
// and shown disabled.
void SetMinutesEditable(HWND dialog, int editable);
void InitMinutesField(HWND dialog, int minutes);
// The field as a number, 0 when it holds none.
int ReadMinutes(HWND dialog);
// The field never stays below 1: returns the minutes it holds afterwards.
int KeepMinutesAtLeastOne(HWND dialog);
