// The dialogs' list views: text columns and rows.
#pragma once
#include <windows.h>

// width is in pixels at 96 DPI, scaled to the list's DPI.
void AddListColumn(HWND list, int index, const char* title, int width);
// Appends a row whose columns hold texts[0] to texts[count - 1]; those
// whose bit is set in pathColumns are paths, the others texts.
void AppendListRow(HWND list, const char* const* texts, int count, unsigned pathColumns = 0);
// The path in a cell; 0 when it does not fit size.
int ListItemPath(HWND list, int row, int column, char* path, size_t size);
