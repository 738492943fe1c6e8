#include "shell/tray.h"

#include <shellapi.h>

#include "base/product.h"
#include "shell/menus.h"
#include "res/resource.h"

enum { DEFAULT_TRAY_ITEM = IDM_SHOW };

// The first version of the icon record, what every shell understands:
// 88 bytes on 32-bit Windows, 152 on 64-bit.
static NOTIFYICONDATAA IconRecord(HWND window, int id) {
  NOTIFYICONDATAA nid = {};
  nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
  nid.hWnd = window;
  nid.uID = id;
  return nid;
}

void TrayIcon::Add(HWND window) {
  if (added) return;
  added = 1;
  NOTIFYICONDATAA nid = IconRecord(window, 0);
  nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  nid.uCallbackMessage = WM_TRAYNOTIFY;
  // The small size the notification area draws, rather than a scaled large one.
  nid.hIcon =
      (HICON)LoadImageA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDI_CLOCK), IMAGE_ICON,
                        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED);
  lstrcpynA(nid.szTip, ZT_PRODUCT_NAME, sizeof nid.szTip);
  Shell_NotifyIconA(NIM_ADD, &nid);
  iconId = nid.uID;
}

void TrayIcon::Remove(HWND window) {
  if (!added) return;
  added = 0;
  NOTIFYICONDATAA nid = IconRecord(window, iconId);
  Shell_NotifyIconA(NIM_DELETE, &nid);
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
