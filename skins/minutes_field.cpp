#include "skins/minutes_field.h"

#include "platform/system_text.h"
#include "res/resource.h"

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
  SetControlText(dialog, IDC_MINUTES, "1");
  return 1;
}
