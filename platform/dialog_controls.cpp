#include "platform/dialog_controls.h"

int IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetChecked(HWND dialog, int id, int on) {
  CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

int BringForwardIfOpen(HWND openDialog) {
  if (!openDialog) return 0;
  SetForegroundWindow(openDialog);
  return 1;
}
