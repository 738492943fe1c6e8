// The two popup menus as the user sees them: read while they are open,
// from inside their own modal loop.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "shell/globals.h"
#include "shell/tray.h"
#include "app_harness.h"
#include "res/resource.h"

namespace {

struct OpenMenu {
  HMENU handle = NULL;
  std::map<UINT, UINT> state;  // GetMenuState by command
  std::map<UINT, bool> radio;  // drawn as a radio mark when checked
  HBITMAP findImage = NULL, findChecked = NULL, soundImage = NULL, soundChecked = NULL;
  BITMAP findBits = {}, soundBits = {};  // read while the menu shows them
  UINT defaultItem = (UINT)-1;
};

OpenMenu* reading;

void ReadItems(HMENU menu, OpenMenu* out) {
  for (int i = 0; i < GetMenuItemCount(menu); i++) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU;
    GetMenuItemInfoA(menu, i, TRUE, &info);
    if (info.fType & MFT_SEPARATOR) continue;
    if (info.hSubMenu) {
      ReadItems(info.hSubMenu, out);
      continue;
    }
    out->state[info.wID] = GetMenuState(menu, info.wID, MF_BYCOMMAND);
    out->radio[info.wID] = (info.fType & MFT_RADIOCHECK) != 0;
  }
}

void ReadImages(HMENU menu, OpenMenu* out) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_CHECKMARKS;
  GetMenuItemInfoA(menu, IDM_BACKGROUND, FALSE, &info);
  out->findImage = info.hbmpUnchecked;
  out->findChecked = info.hbmpChecked;
  GetMenuItemInfoA(menu, 8, TRUE, &info);
  out->soundImage = info.hbmpUnchecked;
  out->soundChecked = info.hbmpChecked;
  GetObjectA(out->findImage, sizeof out->findBits, &out->findBits);
  GetObjectA(out->soundImage, sizeof out->soundBits, &out->soundBits);
}

BOOL CALLBACK FindThreadPopup(HWND w, LPARAM found) {
  char cls[16];
  GetClassNameA(w, cls, sizeof cls);
  if (strcmp(cls, "#32768") == 0 && IsWindowVisible(w)) {
    *(HWND*)found = w;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND popup = NULL;
  EnumThreadWindows(GetCurrentThreadId(), FindThreadPopup, (LPARAM)&popup);
  if (!popup) return;
  KillTimer(NULL, timer);
  HMENU menu = (HMENU)SendMessageA(popup, MN_GETHMENU, 0, 0);
  reading->handle = menu;
  ReadItems(menu, reading);
  ReadImages(menu, reading);
  reading->defaultItem = GetMenuDefaultItem(menu, FALSE, 0);
  EndMenu();
}

// Sends the message that opens a menu and reads the menu while it is open.
OpenMenu OpenAndRead(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  OpenMenu menu;
  reading = &menu;
  UINT_PTR timer = SetTimer(NULL, 0, 50, ReadOpenMenu);
  SendMessageA(window, message, wParam, lParam);
  KillTimer(NULL, timer);
  reading = nullptr;
  return menu;
}

OpenMenu OpenMainMenu(HWND clock) {
  return OpenAndRead(clock, WM_CONTEXTMENU, (WPARAM)clock, MAKELPARAM(300, 300));
}

bool Checked(const OpenMenu& m, UINT id) { return (m.state.at(id) & MF_CHECKED) != 0; }
bool Grey(const OpenMenu& m, UINT id) { return (m.state.at(id) & MF_GRAYED) != 0; }

TEST(Menus, MainMenuItemsImagesAndCleanUp) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  OpenMenu m = OpenMainMenu(clock.Window());
  ASSERT_NE(nullptr, m.handle);
  EXPECT_TRUE(Grey(m, IDM_INFO_CUSTOM));
  // The two images mark the background item and the chime submenu, unchecked state only.
  for (const BITMAP& bm : {m.findBits, m.soundBits}) {
    EXPECT_EQ(11, bm.bmWidth);
    EXPECT_EQ(11, bm.bmHeight);
  }
  EXPECT_EQ(nullptr, m.findChecked);
  EXPECT_EQ(nullptr, m.soundChecked);
  // Once closed, the menu and its images are gone.
  EXPECT_FALSE(IsMenu(m.handle));
  EXPECT_EQ(0u, GetObjectType(m.findImage));
  EXPECT_EQ(0u, GetObjectType(m.soundImage));
  // A null message follows the menu, so its loop ends cleanly.
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, clock.Window(), WM_NULL, WM_NULL, PM_REMOVE));
}

TEST(Menus, ZOrderRadioFollowsTopAndBottom) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  const struct { int top, bottom; UINT marked;
  } cases[] = {
      {0, 0, IDM_ZORDER_NORMAL}, {1, 0, IDM_ZORDER_TOP}, {0, 1, IDM_ZORDER_BOTTOM}, {1, 1, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "top " << c.top << " bottom " << c.bottom);
    theApp.WriteSettingInt(Setting::alwaysOnTop, c.top);
    theApp.WriteSettingInt(Setting::alwaysAtBottom, c.bottom);
    OpenMenu m = OpenMainMenu(clock.Window());
    for (UINT id = IDM_ZORDER_NORMAL; id <= IDM_ZORDER_BOTTOM; id++) {
      EXPECT_EQ(id == c.marked, Checked(m, id)) << id;
      EXPECT_EQ(id == c.marked, m.radio[id]) << id;
    }
  }
}

TEST(Menus, ChecksAndHideGreyFollowTheSettings) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  const Setting flags[] = {Setting::moveWhileShown, Setting::lockPosition, Setting::avoidCursor,
                           Setting::hourlyChime,    Setting::hideSecondHand, Setting::resident};
  const UINT ids[] = {IDM_MOVE_SHOWN, IDM_LOCK_POSITION,  IDM_AVOID_CURSOR,
                      IDM_CHIME,      IDM_NO_SECOND_HAND, IDM_RESIDENT};
  for (int on = 0; on < 6; on++) {
    SCOPED_TRACE(ids[on]);
    for (int i = 0; i < 6; i++) theApp.WriteSettingInt(flags[i], i == on);
    OpenMenu m = OpenMainMenu(clock.Window());
    for (int i = 0; i < 6; i++) EXPECT_EQ(i == on, Checked(m, ids[i])) << ids[i];
    // Hide is offered only to a resident clock.
    EXPECT_EQ(!theApp.ReadSettingInt(Setting::resident), Grey(m, IDM_HIDE));
    EXPECT_FALSE(Grey(m, IDM_CLOSE));
  }
}

TEST(Menus, TrayMenuOnRightClickWithShowAsDefault) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  OpenMenu m = OpenAndRead(clock.Window(), WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
  ASSERT_NE(nullptr, m.handle);
  EXPECT_EQ(40051u, m.defaultItem);
  EXPECT_FALSE(IsMenu(m.handle));
  // Other mouse messages over the icon open nothing.
  OpenMenu none = OpenAndRead(clock.Window(), WM_TRAYNOTIFY, 0, WM_RBUTTONUP);
  EXPECT_EQ(nullptr, none.handle);
}

}  // namespace
