// What is no drag, z-order and the bottom marker inside the running clock.
#include <gtest/gtest.h>

#include "shell/globals.h"
#include "app_harness.h"
#include "res/resource.h"

namespace {

RECT WindowRect(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return r;
}

// No visible window lies below it.
bool AtTheBottom(HWND w) {
  for (HWND below = GetWindow(w, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT))
    if (IsWindowVisible(below)) return false;
  return true;
}

// A plain visible window for the clock to be above or below.
HWND OtherWindow() {
  return CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, NULL, NULL, NULL,
                         NULL);
}

bool Topmost(HWND w) { return (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

TEST(Placement, ReleaseOrMoveWithoutAPressOnTheClockIsNoDrag) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  HWND w = clock.Window();
  theApp.WriteSettingInt(Setting::moveWhileShown, 1);
  RECT start = WindowRect(w);
  // Button held from elsewhere, then released over the clock.
  SendMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 20));
  SendMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(150, 20));
  EXPECT_EQ(start.left, WindowRect(w).left);
  EXPECT_EQ("<absent>", folder.IniValue("WINDOW", "POSX"));
}

TEST(Placement, ZOrderModesAndTheirToggles) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  HWND w = clock.Window();
  // In front twice: back in the ordinary band.
  SendMessageA(w, WM_COMMAND, IDM_ZORDER_TOP, 0);
  EXPECT_TRUE(Topmost(w));
  EXPECT_EQ("1", folder.IniValue("WINDOW", "TOP"));
  EXPECT_EQ("0", folder.IniValue("WINDOW", "BOTTOM"));
  SendMessageA(w, WM_COMMAND, IDM_ZORDER_TOP, 0);
  EXPECT_FALSE(Topmost(w));
  EXPECT_EQ("0", folder.IniValue("WINDOW", "TOP"));
  EXPECT_EQ(0, theApp.ReadSettingInt(Setting::alwaysOnTop));
  // Behind while in front: leaves the topmost band for the bottom.
  HWND other = OtherWindow();
  SendMessageA(w, WM_COMMAND, IDM_ZORDER_TOP, 0);
  ASSERT_FALSE(AtTheBottom(w));
  SendMessageA(w, WM_COMMAND, IDM_ZORDER_BOTTOM, 0);
  EXPECT_FALSE(Topmost(w));
  EXPECT_EQ("0", folder.IniValue("WINDOW", "TOP"));
  EXPECT_EQ("1", folder.IniValue("WINDOW", "BOTTOM"));
  EXPECT_TRUE(AtTheBottom(w));
  // Behind again only clears the mode.
  SendMessageA(w, WM_COMMAND, IDM_ZORDER_BOTTOM, 0);
  EXPECT_EQ("0", folder.IniValue("WINDOW", "BOTTOM"));
  EXPECT_EQ(0, theApp.ReadSettingInt(Setting::alwaysAtBottom));
  // Normal while in front takes it out of the band at once.
  SendMessageA(w, WM_COMMAND, IDM_ZORDER_TOP, 0);
  SendMessageA(w, WM_COMMAND, IDM_ZORDER_NORMAL, 0);
  EXPECT_FALSE(Topmost(w));
  EXPECT_EQ("0", folder.IniValue("WINDOW", "TOP"));
  EXPECT_EQ("0", folder.IniValue("WINDOW", "BOTTOM"));
  DestroyWindow(other);
}

TEST(Placement, BottomMarkerOnlyWhileBehind) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  HWND w = clock.Window();
  HWND other = OtherWindow();
  WINDOWPOS pos = {};
  pos.hwnd = w;
  pos.hwndInsertAfter = HWND_TOP;
  SendMessageA(w, WM_WINDOWPOSCHANGING, 0, (LPARAM)&pos);
  EXPECT_EQ(HWND_TOP, pos.hwndInsertAfter);
  SendMessageA(w, WM_COMMAND, IDM_ZORDER_BOTTOM, 0);
  SendMessageA(w, WM_WINDOWPOSCHANGING, 0, (LPARAM)&pos);
  EXPECT_EQ(HWND_BOTTOM, pos.hwndInsertAfter);
  // Raising it sinks it back. (Wine raises an activated window without
  // asking it, so the raise here leaves activation alone.)
  SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_TRUE(AtTheBottom(w));
  DestroyWindow(other);
}

// A monitor unplugged or a lower resolution leaves the clock off every
// screen; the display or work-area change brings it back on one.
TEST(Placement, OffEveryMonitorTheClockComesBackAfterADisplayChange) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  HWND w = clock.Window();
  const struct {
    UINT message;
    WPARAM wParam;
  } changes[] = {{WM_DISPLAYCHANGE, 24}, {WM_SETTINGCHANGE, SPI_SETWORKAREA}};
  RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  for (const auto& change : changes) {
    SCOPED_TRACE(change.message);
    SetWindowPos(w, NULL, screen.right + 500, -900, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(w, change.message, change.wParam, 0);
    RECT r = WindowRect(w), inside;
    EXPECT_TRUE(IntersectRect(&inside, &r, &screen));
    EXPECT_EQ(200, r.right - r.left);
  }
  // Where the user left it is still what is stored.
  EXPECT_EQ("<absent>", folder.IniValue("WINDOW", "POSX"));
}

}  // namespace
