#include "platform/system_text.h"

#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "base/cp932.h"
#include "base/format_text.h"
#include "platform/later_calls.h"
#include "platform/system_paths.h"

int ShowMessage(HWND owner, const char* text, const char* caption, UINT flags) {
  if (!SystemTextWays()->wideTexts) return MessageBoxA(owner, text, caption, flags);
  return MessageBoxW(owner, WideText(text), WideText(caption), flags);
}

// format (932) with its one "%s" replaced by insert, in a message box.
static int ShowComposedMessage(HWND owner, const char* format, const wchar_t* insert,
                               const char* caption, UINT flags) {
  // '%' is never the second byte of a character.
  const char* mark = strstr(format, "%s");
  size_t headBytes = mark ? (size_t)(mark - format) : strlen(format);
  char* head = (char*)malloc(headBytes + 1);
  if (!head) return 0;
  memcpy(head, format, headBytes);
  head[headBytes] = 0;
  WideText before(head), after(mark ? mark + 2 : "");
  free(head);
  size_t units = wcslen(before) + wcslen(insert) + wcslen(after) + 1;
  wchar_t* text = (wchar_t*)malloc(units * sizeof(wchar_t));
  if (!text) return 0;
  wcscpy(text, before);
  wcscat(text, insert);
  wcscat(text, after);
  int answer = MessageBoxW(owner, text, WideText(caption), flags);
  free(text);
  return answer;
}

int ShowPathMessage(HWND owner, const char* format, const char* path, const char* caption,
                    UINT flags) {
  if (SystemTextWays()->wideTexts)
    return ShowComposedMessage(owner, format, WidePath(path), caption, flags);
  char bytes[MAX_PATH] = "";
  PathToSystemBytes(path, bytes, sizeof bytes);
  size_t size = strlen(format) + strlen(bytes) + 1;
  char* text = (char*)malloc(size);
  if (!text) return 0;
  FormatText(text, size, format, bytes);
  int answer = MessageBoxA(owner, text, caption, flags);
  free(text);
  return answer;
}

INT_PTR ShowDialog(int templateId, HWND owner, DLGPROC proc, LPARAM param) {
  HINSTANCE module = GetModuleHandleA(NULL);
  if (!SystemTextWays()->wideTexts)
    return DialogBoxParamA(module, MAKEINTRESOURCEA(templateId), owner, proc, param);
  return DialogBoxParamW(module, MAKEINTRESOURCEW(templateId), owner, proc, param);
}

void SetControlText(HWND dialog, int id, const char* text) {
  if (!SystemTextWays()->wideTexts) SetDlgItemTextA(dialog, id, text);
  else SetDlgItemTextW(dialog, id, WideText(text));
}

void SetControlPath(HWND dialog, int id, const char* path) {
  if (SystemTextWays()->wideTexts) {
    SetDlgItemTextW(dialog, id, WidePath(path));
    return;
  }
  char bytes[MAX_PATH];
  if (PathToSystemBytes(path, bytes, sizeof bytes)) SetDlgItemTextA(dialog, id, bytes);
}

int ReadControlPath(HWND dialog, int id, char* path, size_t size) {
  path[0] = 0;
  // A buffer filled to its end may have cut the path.
  if (SystemTextWays()->wideTexts) {
    wchar_t typed[PATH_SIZE];
    UINT n = GetDlgItemTextW(dialog, id, typed, PATH_SIZE);
    return n + 1 < PATH_SIZE && WideToPath(typed, path, size);
  }
  char bytes[MAX_PATH];
  UINT n = GetDlgItemTextA(dialog, id, bytes, MAX_PATH);
  return n + 1 < MAX_PATH && SystemBytesToPath(bytes, path, size);
}

enum { TYPED_UNITS = 1024 };

static void TellCharacterRefused(HWND owner, unsigned long code) {
  wchar_t character[3] = {(wchar_t)code, 0, 0};
  if (code >= 0x10000) {
    character[0] = (wchar_t)(0xD800 + ((code - 0x10000) >> 10));
    character[1] = (wchar_t)(0xDC00 + (code & 0x3FF));
  }
  char format[160];
  FormatText(format, sizeof format,
             "「%%s」（U+%04lX）は保存できない文字です。\n別の文字に置き換えてください。", code);
  ShowComposedMessage(owner, format, character, "エラー", MB_OK | MB_ICONEXCLAMATION);
}

int ReadTypedText(HWND dialog, int id, char* text, size_t size) {
  if (!SystemTextWays()->wideTexts) {
    char typed[TYPED_UNITS] = "";
    GetDlgItemTextA(dialog, id, typed, sizeof typed);
    CopyTextCut(text, size, typed);
    SecureZeroMemory(typed, sizeof typed);  // it may be a password
    return 1;
  }
  wchar_t typed[TYPED_UNITS] = L"";
  GetDlgItemTextW(dialog, id, typed, TYPED_UNITS);
  unsigned long refused = 0;
  int kept = Utf16ToCp932(SystemCp932(), (const char16_t*)typed, text, size, &refused);
  SecureZeroMemory(typed, sizeof typed);
  if (kept) return 1;
  TellCharacterRefused(dialog, refused);
  SetFocus(GetDlgItem(dialog, id));
  return 0;
}

void AddComboText(HWND combo, const char* text) {
  if (!SystemTextWays()->wideTexts) SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)text);
  else SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)(const wchar_t*)WideText(text));
}

void InsertListBoxText(HWND list, const char* text, int at) {
  if (!SystemTextWays()->wideTexts) SendMessageA(list, LB_INSERTSTRING, (WPARAM)at, (LPARAM)text);
  else SendMessageW(list, LB_INSERTSTRING, (WPARAM)at, (LPARAM)(const wchar_t*)WideText(text));
}

enum { PAINTED_TEXT_SIZE = 128 };

void PaintText(HDC dc, int x, int y, const char* text, int length) {
  if (!SystemTextWays()->wideTexts) {
    TextOutA(dc, x, y, text, length);
    return;
  }
  char part[PAINTED_TEXT_SIZE];
  CopySpanCut(part, sizeof part, text, length > 0 ? (size_t)length : 0);
  wchar_t wide[PAINTED_TEXT_SIZE];
  size_t units = Cp932ToUtf16(SystemCp932(), part, (char16_t*)wide, PAINTED_TEXT_SIZE);
  TextOutW(dc, x, y, wide, (int)units);
}

DWORD ReadCharacterCovers(HDC dc, unsigned code, GLYPHMETRICS* metrics, void* buffer, DWORD size) {
  static const MAT2 identity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  if (!SystemTextWays()->wideTexts)
    return GetGlyphOutlineA(dc, code, GGO_GRAY8_BITMAP, metrics, size, buffer, &identity);
  char16_t unit = SystemCp932()->decode(code);
  if (!unit) return GDI_ERROR;
  return GetGlyphOutlineW(dc, unit, GGO_GRAY8_BITMAP, metrics, size, buffer, &identity);
}

HFONT CreateNamedFont(int height, int width, int escapement, int orientation, int weight,
                      DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                      DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                      DWORD pitchAndFamily, const char* face) {
  if (!SystemTextWays()->wideTexts)
    return CreateFontA(height, width, escapement, orientation, weight, italic, underline,
                       strikeOut, charSet, outPrecision, clipPrecision, quality, pitchAndFamily,
                       face);
  return CreateFontW(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                     charSet, outPrecision, clipPrecision, quality, pitchAndFamily, WideText(face));
}

// The first version of the icon record, what every shell understands:
// 88 bytes (152 on 64-bit) with an 8-bit tip, 152 (216) with a UTF-16 one.
template <typename Record>
static Record TrayRecord(UINT size, HWND window, UINT id) {
  Record record = {};
  record.cbSize = size;
  record.hWnd = window;
  record.uID = id;
  return record;
}

int AddTrayIcon(HWND window, UINT id, UINT callbackMessage, HICON icon, const char* tip) {
  const UINT flags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  const LaterCalls* shell = LoadLater(LATER_SHELL32);
  if (!shell) return 0;
  if (!SystemTextWays()->wideTexts || !shell->shellNotifyIconW) {
    NOTIFYICONDATAA a = TrayRecord<NOTIFYICONDATAA>(NOTIFYICONDATAA_V1_SIZE, window, id);
    a.uFlags = flags;
    a.uCallbackMessage = callbackMessage;
    a.hIcon = icon;
    CopyTextCut(a.szTip, sizeof a.szTip, tip);
    return shell->shellNotifyIconA(NIM_ADD, &a);
  }
  NOTIFYICONDATAW w = TrayRecord<NOTIFYICONDATAW>(NOTIFYICONDATAW_V1_SIZE, window, id);
  w.uFlags = flags;
  w.uCallbackMessage = callbackMessage;
  w.hIcon = icon;
  Cp932ToUtf16(SystemCp932(), tip, (char16_t*)w.szTip, 64);  // the first layout's room
  return shell->shellNotifyIconW(NIM_ADD, &w);
}

int RemoveTrayIcon(HWND window, UINT id) {
  const LaterCalls* shell = LoadLater(LATER_SHELL32);
  NOTIFYICONDATAA record = TrayRecord<NOTIFYICONDATAA>(NOTIFYICONDATAA_V1_SIZE, window, id);
  return shell && shell->shellNotifyIconA(NIM_DELETE, &record);
}

void AddListBoxPath(HWND list, const char* path) {
  if (SystemTextWays()->wideTexts) {
    SendMessageW(list, LB_ADDSTRING, 0, (LPARAM)(const wchar_t*)WidePath(path));
    return;
  }
  char bytes[MAX_PATH];
  if (PathToSystemBytes(path, bytes, sizeof bytes))
    SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)bytes);
}

int ListBoxPath(HWND list, int index, char* path, size_t size) {
  path[0] = 0;
  if (SystemTextWays()->wideTexts) {
    LRESULT n = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    wchar_t text[PATH_SIZE];
    return n >= 0 && n < PATH_SIZE && SendMessageW(list, LB_GETTEXT, index, (LPARAM)text) >= 0 &&
           WideToPath(text, path, size);
  }
  LRESULT n = SendMessageA(list, LB_GETTEXTLEN, index, 0);
  char bytes[MAX_PATH];
  return n >= 0 && n < MAX_PATH && SendMessageA(list, LB_GETTEXT, index, (LPARAM)bytes) >= 0 &&
         SystemBytesToPath(bytes, path, size);
}
