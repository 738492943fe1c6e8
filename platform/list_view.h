// The dialogs' list views: text columns and rows.
#pragma once
#include <windows.h>

// width is in pixels at 96 DPI, scaled to the list's DPI.
void AddListColumn(HWND list, int index, const char* title, int width);
// Appends a row whose columns hold texts[0] to texts[count - 1].
void AppendListRow(HWND list, const char* const* texts, int count);
