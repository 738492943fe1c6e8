// The size and the opacity chosen from the menu, taking effect in the
// running clock and marked in its menu.
#include <gtest/gtest.h>

#include <string>

#include "shell/globals.h"
#include "shell/menus.h"
#include "shell/placement.h"
#include "shell/window_proc.h"
#include "platform/newer_calls.h"
#include "app_harness.h"
#include "res/resource.h"

namespace {

RECT WindowRect(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return r;
}

// The main menu as it is marked when it opens.
struct MarkedMenu {
  HMENU bar = LoadMenuA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDR_MENU));
  HMENU menu = GetSubMenu(bar, MAIN_MENU);
  MarkedMenu() { MarkMenu(menu); }
  ~MarkedMenu() { DestroyMenu(bar); }
  bool Checked(UINT id) const { return GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED; }
  // Whether the item that opens the submenu holding id is grayed.
  bool SubmenuGrayed(UINT id) const {
    HMENU view = GetSubMenu(menu, 0);
    for (int i = 0; i < GetMenuItemCount(view); i++) {
      HMENU sub = GetSubMenu(view, i);
      if (sub && GetMenuState(sub, id, MF_BYCOMMAND) != (UINT)-1)
        return GetMenuState(view, i, MF_BYPOSITION) & MF_GRAYED;
    }
    ADD_FAILURE() << "no submenu holds " << id;
    return false;
  }
};

TEST(SizeAndOpacity, EachSizeScalesWindowOutlineAndFaceAboutTheCentre) {
  TempDataFolder folder;
  folder.WriteIni("[WINDOW]\r\nPOSX=300\r\nPOSY=200\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  HWND w = clock.Window();
  // Growing and shrinking in turn, at 96 DPI.
  const struct {
    UINT id;
    int side;
  } sizes[] = {{IDM_SIZE_200, 400}, {IDM_SIZE_50, 100},  {IDM_SIZE_125, 250},
               {IDM_SIZE_75, 150},  {IDM_SIZE_150, 300}, {IDM_SIZE_100, 200}};
  for (const auto& s : sizes) {
    SCOPED_TRACE(s.side);
    RECT before = WindowRect(w);
    SendMessageA(w, WM_COMMAND, s.id, 0);
    RECT r = WindowRect(w);
    EXPECT_EQ(s.side, r.right - r.left);
    EXPECT_EQ(s.side, r.bottom - r.top);
    EXPECT_EQ(before.left + before.right, r.left + r.right);
    EXPECT_EQ(before.top + before.bottom, r.top + r.bottom);
    // The avoidance circle is about the same centre.
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    EXPECT_TRUE(IsCursorNear(w));
    HRGN outline = CreateRectRgn(0, 0, 0, 0);
    RECT box = {};
    EXPECT_EQ(COMPLEXREGION, GetWindowRgn(w, outline));
    GetRgnBox(outline, &box);
    DeleteObject(outline);
    EXPECT_EQ(s.side, box.right);
    EXPECT_EQ(s.side, box.bottom);
    EXPECT_EQ(s.side, theClock.faceWidth);
    EXPECT_EQ(std::to_string(s.side / 2), folder.IniValue("WINDOW", "SIZE"));
    // The next start finds it where it stands now.
    EXPECT_EQ(std::to_string(r.left), folder.IniValue("WINDOW", "POSX"));
    EXPECT_EQ(std::to_string(r.top), folder.IniValue("WINDOW", "POSY"));
    MarkedMenu m;
    for (const auto& other : sizes) EXPECT_EQ(other.id == s.id, m.Checked(other.id)) << other.id;
  }
  // Moved to a monitor of 144 DPI at 150 %: the two scales multiply.
  SendMessageA(w, WM_COMMAND, IDM_SIZE_150, 0);
  RECT was = WindowRect(w);
  RECT suggested = {was.left, was.top, was.left + 450, was.top + 450};
  SendMessageA(w, WM_DPICHANGED, MAKEWPARAM(144, 144), (LPARAM)&suggested);
  RECT now = WindowRect(w);
  EXPECT_TRUE(EqualRect(&suggested, &now));
  EXPECT_EQ(450, theClock.faceWidth);
}

TEST(SizeAndOpacity, EachOpacityLayersTheWindowAndOpaqueLeavesItPlain) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  HWND w = clock.Window();
  EXPECT_EQ(0, GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_LAYERED);
  const struct {
    UINT id;
    int percent;
  } opacities[] = {{IDM_OPACITY_90, 90}, {IDM_OPACITY_80, 80}, {IDM_OPACITY_70, 70},
                   {IDM_OPACITY_60, 60}, {IDM_OPACITY_50, 50}, {IDM_OPACITY_100, 100}};
  for (const auto& o : opacities) {
    SCOPED_TRACE(o.percent);
    SendMessageA(w, WM_COMMAND, o.id, 0);
    EXPECT_EQ(std::to_string(o.percent), folder.IniValue("WINDOW", "OPACITY"));
    if (o.percent < 100) {
      EXPECT_NEAR(o.percent * 255 / 100, LayeredAlpha(w), 1);
    } else {
      EXPECT_EQ(0, GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_LAYERED);
    }
    MarkedMenu m;
    for (const auto& other : opacities)
      EXPECT_EQ(other.id == o.id, m.Checked(other.id)) << other.id;
    EXPECT_FALSE(m.SubmenuGrayed(IDM_OPACITY_50));
  }
  // The cursor and the menu still reach a translucent clock.
  SendMessageA(w, WM_COMMAND, IDM_OPACITY_50, 0);
  RECT r = WindowRect(w);
  EXPECT_EQ(w, WindowFromPoint(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}));

  // A system without layered windows: the opacities are out of reach and
  // opaque is marked; the sizes stay in reach.
  NewerCalls saved = *Newer();
  Newer()->setLayeredWindowAttributes = NULL;
  MarkedMenu older;
  EXPECT_TRUE(older.SubmenuGrayed(IDM_OPACITY_100));
  EXPECT_FALSE(older.SubmenuGrayed(IDM_SIZE_100));
  EXPECT_TRUE(older.Checked(IDM_OPACITY_100));
  *Newer() = saved;
}

}  // namespace
