#include "platform/dialog_controls.h"

#include "res/resource.h"

int IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetChecked(HWND dialog, int id, int on) {
  CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

void SetMinutesEditable(HWND dialog, int editable) {
  HWND field = GetDlgItem(dialog, IDC_MINUTES);
  SendMessageA(field, EM_SETREADONLY, !editable, 0);
  EnableWindow(field, editable);
}

void InitMinutesField(HWND dialog, int minutes) {
  SendDlgItemMessageA(dialog, IDC_MINUTES, EM_LIMITTEXT, 3, 0);
  SetDlgItemInt(dialog, IDC_MINUTES, (UINT)minutes, FALSE);
}

int ReadMinutes(HWND dialog) { return (int)GetDlgItemInt(dialog, IDC_MINUTES, NULL, FALSE); }

int KeepMinutesAtLeastOne(HWND dialog) {
  int minutes = ReadMinutes(dialog);
  if (minutes >= 1) return minutes;
  SetDlgItemTextA(dialog, IDC_MINUTES, "1");
  return 1;
}

int BringForwardIfOpen(HWND openDialog) {
  if (!openDialog) return 0;
  SetForegroundWindow(openDialog);
  return 1;
}
