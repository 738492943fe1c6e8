// Where the program's texts meet the system. They are code page 932
// (base/unicode.h); on the NT family they reach it as UTF-16, through the
// ...W calls, converted with 932 itself and never with the system's code
// page, so they read the same on a Japanese, a Western or a UTF-8 system.
// Windows 95, 98 and Me, and an NT without 932's table, take the ...A
// calls as they always did. No feature calls the system's text calls
// itself.
#pragma once
#include <windows.h>

#include <stddef.h>

#include "base/unicode.h"
#include "platform/text_ways.h"

// MessageBox: gives the button pressed.
int ShowMessage(HWND owner, const char* text, const char* caption, UINT flags);
// The same for a text (format) whose one "%s" stands for a path.
int ShowPathMessage(HWND owner, const char* format, const char* path, const char* caption,
                    UINT flags);

// A modal dialog from the program's resources, made with the calls that
// keep its template's texts.
INT_PTR ShowDialog(int templateId, HWND owner, DLGPROC proc, LPARAM param);

void SetControlText(HWND dialog, int id, const char* text);
void SetControlPath(HWND dialog, int id, const char* path);
// What the user typed, in 932 and cut at a character to fit size bytes.
// A character 932 cannot hold is refused: the user is told which, the
// control gets the focus, and 0 is given.
int ReadTypedText(HWND dialog, int id, char* text, size_t size);
// A path typed or put in a control; 0 when it does not fit size.
int ReadControlPath(HWND dialog, int id, char* path, size_t size);

void AddComboText(HWND combo, const char* text);
void AddListBoxPath(HWND list, const char* path);
void InsertListBoxText(HWND list, const char* text, int at);
// The path shown at index; 0 when there is none or it does not fit.
int ListBoxPath(HWND list, int index, char* path, size_t size);

// TextOut and CreateFont for texts of the program.
void PaintText(HDC dc, int x, int y, const char* text, int length);
// GetGlyphOutline's 8-bit grey picture (covers 0 to 64, rows of a whole
// number of DWORDs) of one character, code page 932's code (a two-byte
// one as lead << 8 | trail), in the context's font: the bytes it takes
// when buffer is NULL, GDI_ERROR when the font gives none.
DWORD ReadCharacterCovers(HDC dc, unsigned code, GLYPHMETRICS* metrics, void* buffer, DWORD size);
HFONT CreateNamedFont(int height, int width, int escapement, int orientation, int weight,
                      DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                      DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                      DWORD pitchAndFamily, const char* face);

// The notification-area icon, in the first record layout every shell
// takes: added with its callback message, icon and tip; and removed.
int AddTrayIcon(HWND window, UINT id, UINT callbackMessage, HICON icon, const char* tip);
int RemoveTrayIcon(HWND window, UINT id);
