// The notification-area icon and its menu.
#pragma once
#include <windows.h>

enum { WM_TRAYNOTIFY = WM_USER + 123 };

struct TrayIcon {
  int added;
  int iconId;

  TrayIcon() : added(0), iconId(0) {}
  // Each does nothing when the icon is already there (not there).
  void Add(HWND window);
  void Remove(HWND window);
  // After the shell restarted: the icon it lost, when there was one.
  void AddAgain(HWND window);
  void Callback(HWND window, WPARAM wParam, LPARAM lParam);
};
