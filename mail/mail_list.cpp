#include "mail/mail_dialogs.h"

#include <commctrl.h>

#include "platform/list_view.h"

void PrepareTwoColumnList(HWND list, const char* first, int firstWidth, const char* second,
                          int secondWidth) {
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  AddListColumn(list, 0, first, firstWidth);
  AddListColumn(list, 1, second, secondWidth);
}

void AddTwoColumnRow(HWND list, const char* first, const char* second) {
  const char* texts[2] = {first, second};
  AppendListRow(list, texts, 2);
}
