#include "platform/list_view.h"

#include <commctrl.h>

#include "base/dpi_scale.h"
#include "platform/newer_calls.h"
#include "platform/system_paths.h"
#include "platform/system_text.h"

typedef LRESULT(WINAPI* SendCall)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The records in the form of the call that takes them: ...A or ...W.
template <typename Column, typename Char>
static void InsertColumn(SendCall send, UINT message, HWND list, int index, int cx,
                         const Char* title) {
  Column column = {};
  column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.fmt = LVCFMT_LEFT;
  column.cx = cx;
  column.pszText = (Char*)title;
  column.iSubItem = index;
  send(list, message, index, (LPARAM)&column);
}

// A row's first cell inserts it (giving its index), the others fill it.
template <typename Item, typename Char>
static int PutCell(SendCall send, UINT insert, UINT set, HWND list, int row, int column,
                   const Char* text) {
  Item item = {};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.iSubItem = column;
  item.pszText = (Char*)text;
  if (column == 0) return (int)send(list, insert, 0, (LPARAM)&item);
  send(list, set, row, (LPARAM)&item);
  return row;
}

void AddListColumn(HWND list, int index, const char* title, int width) {
  int cx = ScaleToDpi(width, WindowDpi(list));
  if (SystemTextWays()->wideTexts)
    InsertColumn<LVCOLUMNW>(SendMessageW, LVM_INSERTCOLUMNW, list, index, cx,
                            (const wchar_t*)WideText(title));
  else InsertColumn<LVCOLUMNA>(SendMessageA, LVM_INSERTCOLUMNA, list, index, cx, title);
}

static int PutWide(HWND list, int row, int column, const wchar_t* text) {
  return PutCell<LVITEMW>(SendMessageW, LVM_INSERTITEMW, LVM_SETITEMTEXTW, list, row, column,
                          text);
}

static int PutAnsi(HWND list, int row, int column, const char* text) {
  return PutCell<LVITEMA>(SendMessageA, LVM_INSERTITEMA, LVM_SETITEMTEXTA, list, row, column,
                          text);
}

static int PutText(HWND list, int row, int column, const char* text, int isPath) {
  if (SystemTextWays()->wideTexts)
    return isPath ? PutWide(list, row, column, WidePath(text))
                  : PutWide(list, row, column, WideText(text));
  char bytes[MAX_PATH];
  if (isPath && !PathToSystemBytes(text, bytes, sizeof bytes)) bytes[0] = 0;
  return PutAnsi(list, row, column, isPath ? bytes : text);
}

void AppendListRow(HWND list, const char* const* texts, int count, unsigned pathColumns) {
  int end = (int)SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
  int row = PutText(list, end, 0, texts[0], pathColumns & 1);
  for (int column = 1; column < count; column++)
    PutText(list, row, column, texts[column], (pathColumns >> column) & 1);
}

// LVM_GETITEMTEXT: a text that fills the buffer may have been cut.
template <typename Item, typename Char>
static int CellText(SendCall send, UINT message, HWND list, int row, int column, Char* text,
                    int room) {
  Item item = {};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = room;
  return (int)send(list, message, row, (LPARAM)&item) + 1 < room;
}

int ListItemPath(HWND list, int row, int column, char* path, size_t size) {
  path[0] = 0;
  if (SystemTextWays()->wideTexts) {
    wchar_t text[PATH_SIZE];
    return CellText<LVITEMW>(SendMessageW, LVM_GETITEMTEXTW, list, row, column, text,
                             PATH_SIZE) &&
           WideToPath(text, path, size);
  }
  char bytes[MAX_PATH];
  return CellText<LVITEMA>(SendMessageA, LVM_GETITEMTEXTA, list, row, column, bytes, MAX_PATH) &&
         SystemBytesToPath(bytes, path, size);
}
