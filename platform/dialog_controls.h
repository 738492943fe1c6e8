// What the dialogs share: check boxes, the rule against a second copy of
// an open dialog, and the way to their state.
#pragma once
#include <windows.h>

int IsChecked(HWND dialog, int id);
void SetChecked(HWND dialog, int id, int on);
// The settings dialogs are modal, but commands still reach the clock from
// the notification-area menu while one is open. The one rule: a dialog
// already open (its window given, or NULL) is brought forward and 1 is
// returned; the caller then opens no second one over the first's state.
int BringForwardIfOpen(HWND openDialog);

// The one message for a text holding a character its file cannot carry
// (a comma, which ends a field).
void TellUnusableCharacter(HWND owner);

// Stretches a picture control's bitmap, drawn for 96 DPI, to the dialog's
// DPI. Gives the bitmap made, which the caller deletes once the dialog is
// gone, or NULL where the picture stays as it was.
HBITMAP ScalePictureToDpi(HWND dialog, int id);

// The dialogs' one way to their state: the caller's record arrives as the
// creation parameter of WM_INITDIALOG and is kept in the dialog's one
// static pointer, together with the dialog's window.
template <typename State>
State* TakeDialogState(State** current, HWND dialog, LPARAM lParam) {
  *current = (State*)lParam;
  (*current)->dialog = dialog;
  return *current;
}
