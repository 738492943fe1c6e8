#include "mail/mail_dialogs.h"

#include <commctrl.h>


static void AddColumn(HWND list, int index, const char* text, int width) {
  LVCOLUMNA column = {};
  column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.fmt = LVCFMT_LEFT;
  column.cx = width;
  column.pszText = (char*)text;
  column.iSubItem = index;
  SendMessageA(list, LVM_INSERTCOLUMNA, index, (LPARAM)&column);
}

void PrepareTwoColumnList(HWND list, const char* first, int firstWidth, const char* second,
                          int secondWidth) {
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  AddColumn(list, 0, first, firstWidth);
  AddColumn(list, 1, second, secondWidth);
}

void AddTwoColumnRow(HWND list, int row, const char* first, const char* second) {
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = (char*)first;
  int at = (int)SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&item);
  item.iItem = at;
  item.iSubItem = 1;
  item.pszText = (char*)second;
  SendMessageA(list, LVM_SETITEMTEXTA, at, (LPARAM)&item);
}
