#include "shell/tray.h"

#include "base/product.h"
#include "shell/menus.h"
#include "platform/system_text.h"
#include "res/resource.h"

enum { DEFAULT_TRAY_ITEM = IDM_SHOW };

void TrayIcon::Add(HWND window) {
  if (added) return;
  added = 1;
  // The small size the notification area draws, rather than a scaled large one.
  HICON icon =
      (HICON)LoadImageA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDI_CLOCK), IMAGE_ICON,
                        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED);
  iconId = 0;
  AddTrayIcon(window, iconId, WM_TRAYNOTIFY, icon, ZT_PRODUCT_NAME);
}

void TrayIcon::Remove(HWND window) {
  if (!added) return;
  added = 0;
  RemoveTrayIcon(window, iconId);
}

void TrayIcon::AddAgain(HWND window) {
  if (!added) return;
  added = 0;
  Add(window);
}

static void ShowTrayMenu(HWND window) {
  HMENU bar = LoadMenuA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDR_MENU));
  if (!bar) return;
  HMENU menu = GetSubMenu(bar, TRAY_MENU);
  SetMenuDefaultItem(menu, DEFAULT_TRAY_ITEM, FALSE);
  // Without the foreground the menu would not close on a click elsewhere.
  SetForegroundWindow(window);
  TrackAtCursor(menu, window);
  SendMessageA(window, WM_NULL, 0, 0);
  DestroyMenu(bar);
}

void TrayIcon::Callback(HWND window, WPARAM, LPARAM lParam) {
  if (lParam == WM_LBUTTONDOWN) {
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
  } else if (lParam == WM_RBUTTONDOWN) {
    ShowTrayMenu(window);
  }
}
