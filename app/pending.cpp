// Placeholders until menus, tray and placement land.
#include "app/app_state.h"
#include "app/menus.h"
#include "app/placement.h"
#include "app/tray.h"

void TrayIcon::Toggle(HWND) {}
void TrayIcon::Remove(HWND) {}
void TrayIcon::Callback(HWND, WPARAM, LPARAM) {}
void ShowMainMenu(AppState*, ClockHands*) {}
void UpdateMenuChecks(AppState*, HMENU) {}
void SaveWindowPosition(AppState*, LPARAM, int, int) {}
void SetZOrderMode(AppState*, int) {}
int IsCursorNear(AppState*) { return 0; }
void AvoidCursor(AppState*, int) {}
int HandleDragMessage(AppState*, UINT, WPARAM, LPARAM, LRESULT*) { return 0; }
