// The main popup menu and the marks of its items.
#pragma once
#include <windows.h>

// The two popups of menu IDR_MENU.
enum { MAIN_MENU = 0, TRAY_MENU = 1 };

// What an item's mark reader gives: the mark is on, the item is grayed.
enum { MARK_ON = 1, MARK_GRAYED = 2 };
enum MarkRule { MARK_NONE, MARK_CHECK, MARK_RADIO };

// A command of the menus: its handler with the argument, and how its
// item's mark is read when a menu opens.
struct MenuCommand {
  WORD id;
  void (*run)(HWND window, int arg);
  int arg;
  MarkRule rule = MARK_NONE;
  int (*mark)(int arg) = nullptr;
};

// Sets the marks of every item of menu that the commands name.
void MarkMenuItems(HMENU menu, const MenuCommand* commands, int count);
// Grays the item, at any depth of menu, whose submenu holds the command:
// the whole submenu is out of reach.
void GraySubmenuHolding(HMENU menu, UINT id);

// Opens the main menu at the cursor, marked by markMenu, and waits until
// it closes; the chosen command reaches the window as a command message.
void ShowMainMenu(HWND window, void (*markMenu)(HMENU menu));
// Tracks a loaded pop-up at the cursor, owned by the window; the caller
// keeps the menu and destroys it.
void TrackAtCursor(HMENU popup, HWND owner);
