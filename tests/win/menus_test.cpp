// The two popup menus as the user sees them: read while they are open,
// from inside their own modal loop.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/globals.h"
#include "app/tray.h"
#include "app_harness.h"

namespace {

struct OpenMenu {
  HMENU handle = NULL;
  std::string layout;          // one line per item, submenu items indented
  std::map<UINT, UINT> state;  // GetMenuState by command
  std::map<UINT, bool> radio;  // drawn as a radio mark when checked
  HBITMAP findImage = NULL, findChecked = NULL, soundImage = NULL, soundChecked = NULL;
  BITMAP findBits = {}, soundBits = {};  // read while the menu shows them
  UINT defaultItem = (UINT)-1;
};

OpenMenu* reading;

void ReadItems(HMENU menu, const std::string& indent, OpenMenu* out) {
  for (int i = 0; i < GetMenuItemCount(menu); i++) {
    char text[128] = "";
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    GetMenuItemInfoA(menu, i, TRUE, &info);
    if (info.fType & MFT_SEPARATOR) {
      out->layout += indent + "-\n";
      continue;
    }
    out->layout += indent + text;
    if (info.hSubMenu) {
      out->layout += "\n";
      ReadItems(info.hSubMenu, indent + "  ", out);
      continue;
    }
    out->layout += " " + std::to_string(info.wID) + "\n";
    out->state[info.wID] = GetMenuState(menu, info.wID, MF_BYCOMMAND);
    out->radio[info.wID] = (info.fType & MFT_RADIOCHECK) != 0;
  }
}

void ReadImages(HMENU menu, OpenMenu* out) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_CHECKMARKS;
  GetMenuItemInfoA(menu, 40004, FALSE, &info);
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
  ReadItems(menu, "", reading);
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

const char kMainLayout[] =
    "表示の設定(&V)\n"
    "  通常の表示(&D) 40060\n"
    "  常に手前に表示(&T) 40061\n"
    "  常に奥側に表示(&B) 40062\n"
    "  -\n"
    "  表示したまま移動(&V) 40003\n"
    "  位置を固定する(&L) 40014\n"
    "  ｶｰｿﾙを回避する(&W) 40025\n"
    "  -\n"
    "  秒針を表示しない(&N) 40052\n"
    "  自動で針を隠す(&H) 40016\n"
    "  -\n"
    "  常駐する(&J) 40048\n"
    "情報表示(&I)\n"
    "  無し(&N) 40026\n"
    "  -\n"
    "  日付の表示(&D) 40027\n"
    "  時間の表示(&T) 40028\n"
    "  -\n"
    "  CPU使用率(&C) 40029\n"
    "  空きメモリ量(&M) 40030\n"
    "  メモリロード(&L) 40031\n"
    "  カスタム(&U) 40032\n"
    "-\n"
    "針のデザイン(&D)\n"
    "  しかく(&A) 40005\n"
    "  しかく２(&B) 40006\n"
    "  さんかく(&C) 40007\n"
    "  さんかく２（&D） 40008\n"
    "  ふきだし（&E） 40009\n"
    "  無し (&N) 40011\n"
    "  -\n"
    "  ふとせん(&B) 40024\n"
    "針の色設定(&E)\n"
    "  秒針の枠線 40038\n"
    "  秒針の内側 40042\n"
    "  -\n"
    "  分針の枠線 40036\n"
    "  分針の内側 40037\n"
    "  -\n"
    "  短針の枠線 40035\n"
    "  短針の内側 40039\n"
    "  -\n"
    "  透明色(&N) 40041\n"
    "  初期化(&I) 40040\n"
    "-\n"
    "背景の設定(&B) 40004\n"
    "-\n"
    "時報の設定(&S)\n"
    "  時報を鳴らす(&P) 40043\n"
    "  音声ﾌｧｲﾙ選択(&S) 40044\n"
    "拡張機能(&U)\n"
    "  メールチェック(&M) 40045\n"
    "  -\n"
    "  アカウントの設定(&S) 40046\n"
    "  イベントの設定(&T) 40054\n"
    "  壁紙ユーティリティ(&W) 40055\n"
    "-\n"
    "非表示(&T) 40047\n"
    "閉じる(&C) 40001\n";

const char kTrayLayout[] =
    "表示する(&S) 40051\n"
    "メールチェック(&M)\n"
    "  メールチェック(&M) 40045\n"
    "  アカウントの設定(&S) 40046\n"
    "常駐解除(&R) 40050\n"
    "-\n"
    "閉じる(&C) 40049\n";

bool Checked(const OpenMenu& m, UINT id) { return (m.state.at(id) & MF_CHECKED) != 0; }
bool Grey(const OpenMenu& m, UINT id) { return (m.state.at(id) & MF_GRAYED) != 0; }

TEST(Menus, MainMenuItemsImagesAndCleanUp) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  OpenMenu m = OpenMainMenu(clock.Window());
  ASSERT_NE(nullptr, m.handle);
  EXPECT_EQ(kMainLayout, m.layout);
  EXPECT_TRUE(Grey(m, 40032));
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
  const struct { int top, bottom; UINT marked; } cases[] = {
      {0, 0, 40060}, {1, 0, 40061}, {0, 1, 40062}, {1, 1, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "top " << c.top << " bottom " << c.bottom);
    theApp.top = c.top;
    theApp.bottom = c.bottom;
    OpenMenu m = OpenMainMenu(clock.Window());
    for (UINT id = 40060; id <= 40062; id++) {
      EXPECT_EQ(id == c.marked, Checked(m, id)) << id;
      EXPECT_EQ(id == c.marked, m.radio[id]) << id;
    }
  }
}

TEST(Menus, ChecksAndHideGreyFollowTheSettings) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  int* flags[] = {&theApp.fvMove, &theApp.posLock, &theApp.wndHide, &theApp.sound,
                  &theApp.nonSec, &theApp.tray};
  const UINT ids[] = {40003, 40014, 40025, 40043, 40052, 40048};
  for (int on = 0; on < 6; on++) {
    SCOPED_TRACE(ids[on]);
    for (int i = 0; i < 6; i++) *flags[i] = i == on;
    OpenMenu m = OpenMainMenu(clock.Window());
    for (int i = 0; i < 6; i++) EXPECT_EQ(i == on, Checked(m, ids[i])) << ids[i];
    // Hide is offered only to a resident clock.
    EXPECT_EQ(!theApp.tray, Grey(m, 40047));
    EXPECT_FALSE(Grey(m, 40001));
  }
}

TEST(Menus, TrayMenuOnRightClickWithShowAsDefault) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  OpenMenu m = OpenAndRead(clock.Window(), WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
  ASSERT_NE(nullptr, m.handle);
  EXPECT_EQ(kTrayLayout, m.layout);
  EXPECT_EQ(40051u, m.defaultItem);
  EXPECT_FALSE(IsMenu(m.handle));
  // Other mouse messages over the icon open nothing.
  OpenMenu none = OpenAndRead(clock.Window(), WM_TRAYNOTIFY, 0, WM_RBUTTONUP);
  EXPECT_EQ(nullptr, none.handle);
}

}  // namespace
