// Controls the dialogs share: check boxes, and the minutes field of the
// timed skin and wallpaper changes.
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

// The settings dialogs are modal, but commands still reach the clock from
// the notification-area menu while one is open. The one rule: a dialog
// already open (its window given, or NULL) is brought forward and 1 is
// returned; the caller then opens no second one over the first's state.
int BringForwardIfOpen(HWND openDialog);

// The dialogs' one way to their state: the caller's record arrives as the
// creation parameter of WM_INITDIALOG and is kept in the dialog's one
// static pointer, together with the dialog's window.
template <typename State>
State* TakeDialogState(State** current, HWND dialog, LPARAM lParam) {
  *current = (State*)lParam;
  (*current)->dialog = dialog;
  return *current;
}
