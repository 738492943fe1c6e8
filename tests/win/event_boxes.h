// Message boxes met while the clock thread sits in a modal loop: a thread
// timer records each one (and lets a test act on it) and then closes it.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "win_support.h"

struct SeenBox {
  HWND window;
  std::string caption;
  std::string text;
  HWND owner;
  bool hasCancel;
};

inline std::vector<SeenBox> seenBoxes;
// Called with each new box before it is closed; may tick the clock.
inline void (*onBox)(const SeenBox& box) = nullptr;

inline BOOL CALLBACK CloseIfBox(HWND w, LPARAM skipCaption) {
  char cls[32];
  GetClassNameA(w, cls, sizeof cls);
  if (strcmp(cls, "#32770") != 0 || !IsWindowVisible(w) || GetPropA(w, "zt_seen")) return TRUE;
  SeenBox box = {w, WindowText(w), MessageBoxText(w), GetWindow(w, GW_OWNER),
                 GetDlgItem(w, IDCANCEL) != NULL};
  if (box.caption == (const char*)skipCaption) return TRUE;
  SetPropA(w, "zt_seen", (HANDLE)1);
  seenBoxes.push_back(box);
  if (onBox) onBox(box);
  PostMessageA(w, WM_COMMAND, IDOK, 0);
  return TRUE;
}

inline VOID CALLBACK CloseBoxes(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), CloseIfBox, (LPARAM) "イベントの設定");
}

// Closes the boxes of this thread for as long as it lives.
class BoxCloser {
 public:
  BoxCloser() : timer_(SetTimer(NULL, 0, 100, CloseBoxes)) {}
  ~BoxCloser() { KillTimer(NULL, timer_); }

 private:
  UINT_PTR timer_;
};
