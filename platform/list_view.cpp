#include "platform/list_view.h"

#include <commctrl.h>

#include "base/dpi_scale.h"
#include "platform/newer_calls.h"

void AddListColumn(HWND list, int index, const char* title, int width) {
  LVCOLUMNA column = {};
  column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.fmt = LVCFMT_LEFT;
  column.cx = ScaleToDpi(width, WindowDpi(list));
  column.pszText = (char*)title;
  column.iSubItem = index;
  SendMessageA(list, LVM_INSERTCOLUMNA, index, (LPARAM)&column);
}

void AppendListRow(HWND list, const char* const* texts, int count) {
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = (int)SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
  item.pszText = (char*)texts[0];
  int at = (int)SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&item);
  for (int column = 1; column < count; column++) {
    item.iSubItem = column;
    item.pszText = (char*)texts[column];
    SendMessageA(list, LVM_SETITEMTEXTA, at, (LPARAM)&item);
  }
}
