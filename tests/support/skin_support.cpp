#include "skin_support.h"

#include <stdint.h>
#include <string.h>

#include "tools/skin/skin_pack.h"

static void Put32(std::string* b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; i++) (*b)[at + i] = (char)(v >> (8 * i));
}

std::string QuarterBitmap(int width, int height, int bits, BmpLayout layout) {
  Canvas c(width, height, Rgb{255, 0, 0});
  FillRect(&c, width / 2, 0, width, height / 2, Rgb{0, 255, 0});
  FillRect(&c, 0, height / 2, width / 2, height, Rgb{0, 0, 255});
  FillRect(&c, width / 2, height / 2, width, height, Rgb{255, 255, 0});
  std::vector<uint8_t> b = BmpBytes(c, bits, layout);
  return std::string(b.begin(), b.end());
}

std::string BandedBitmap() {
  const Rgb bands[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}};
  Canvas c(1600, 400, bands[0]);
  for (int i = 1; i < 4; i++) FillRect(&c, 400 * i, 0, 400 * (i + 1), 400, bands[i]);
  std::vector<uint8_t> b = BmpBytes(c, 24);
  return std::string(b.begin(), b.end());
}

std::string SkinFile(const char* title, const char* author, int bits, BmpLayout layout) {
  std::string bmp = QuarterBitmap(200, 200, bits, layout);
  std::vector<unsigned char> skin;
  if (!BuildSkinFile((const unsigned char*)bmp.data(), bmp.size(), title, author, &skin))
    return "";
  return std::string(skin.begin(), skin.end());
}

std::vector<std::string> SearchOrder(const std::string& folder, const char* extension) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((folder + "*." + extension).c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return names;
  do names.push_back(found.cFileName);
  while (FindNextFileA(h, &found));
  FindClose(h);
  return names;
}

struct Script {
  const char* caption;
  DialogAct act;
  void* context;
  bool seen;
};

static DWORD WINAPI RunScript(void* p) {
  Script* s = (Script*)p;
  HWND dialog = NULL;
  // The window exists before its initialisation has run; a modal dialog
  // shows only once that is done.
  for (int i = 0; i < 200 && !dialog; i++) {
    dialog = FindWindowA("#32770", s->caption);
    if (dialog && !IsWindowVisible(dialog)) dialog = NULL;
    if (!dialog) Sleep(50);
  }
  if (!dialog) return 0;
  s->seen = true;
  s->act(dialog, s->context);
  if (IsWindow(dialog)) SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  return 0;
}

bool RunDialog(HWND clock, int command, const char* caption, DialogAct act, void* context) {
  Script s = {caption, act, context, false};
  HANDLE thread = CreateThread(NULL, 0, RunScript, &s, 0, NULL);
  PostMessageA(clock, WM_COMMAND, command, 0);
  while (MsgWaitForMultipleObjects(1, &thread, FALSE, 20000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  CloseHandle(thread);
  return s.seen;
}

std::string WallpaperNow() {
  char path[MAX_PATH] = "";
  SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof path, path, 0);
  return path;
}

void NotifyDialog(HWND dialog, int id, int code) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), (LPARAM)GetDlgItem(dialog, id));
}

std::string ControlText(HWND dialog, int id) {
  char text[512] = "";
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

std::string OneBitSkinFile(const char* title, const char* author, COLORREF colour) {
  std::string b(52, '\0');
  b[0] = 'Q';
  b[1] = 'K';
  Put32(&b, 4, ONE_BIT_SKIN_PIXELS_END);
  Put32(&b, 8, 52 + 8);
  Put32(&b, 12, 40);
  Put32(&b, 16, 200);
  Put32(&b, 20, 200);
  Put32(&b, 24, 1 | 1 << 16);
  const char table[8] = {(char)GetBValue(colour), (char)GetGValue(colour),
                         (char)GetRValue(colour), 0, (char)255, 0, 0, 0};
  b.append(table, 8);
  b += std::string(28 * 200, '\0');
  return b + (char)strlen(title) + title + (char)strlen(author) + author;
}
