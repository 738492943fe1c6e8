// The real clock placed, dragged, layered and hiding from the pointer, and
// its menus and notification-area icon used as a person would.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include "shell/tray.h"
#include "win_support.h"
#include "res/resource.h"

namespace {

RECT WindowRect(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return r;
}

RECT WorkArea() {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

bool Topmost(HWND w) { return (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

struct Clock {
  TempDataFolder folder;
  ClockProcess process;
  explicit Clock(const std::string& ini = "") {
    folder.InstallClock();
    if (!ini.empty()) folder.WriteIni(ini);
  }
  bool Start() { return process.Start(folder.ExePath()); }
  HWND Window() const { return process.Window(); }
  // Gives the clock time for what was posted to it (sent messages would
  // overtake posted ones), then makes sure it is responsive.
  void Settle() {
    Sleep(500);
    SendMessageA(Window(), WM_NULL, 0, 0);
  }
  void Command(WORD id) { SendMessageA(Window(), WM_COMMAND, id, 0); }
};

struct Polled {
  HWND window;
  bool visible;
};
bool VisibilityIs(void* p) {
  Polled* s = (Polled*)p;
  return (IsWindowVisible(s->window) != 0) == s->visible;
}
bool WaitVisible(HWND w, bool visible, DWORD ms) {
  Polled s = {w, visible};
  return WaitUntil(VisibilityIs, &s, ms);
}

bool PointerAt(void* p) {
  POINT at, *want = (POINT*)p;
  return GetCursorPos(&at) && at.x == want->x && at.y == want->y;
}
// Moves the pointer and waits until the system reports it there: Wine
// moves it through the X server, after the call returns.
void MovePointer(int x, int y) {
  POINT want = {x, y};
  SetCursorPos(x, y);
  WaitUntil(PointerAt, &want, 2000);
}

// Chooses a main menu item by its access keys, as with the keyboard.
void ChooseFromMainMenu(HWND clock, const char* keys) {
  PostMessageA(clock, WM_CONTEXTMENU, (WPARAM)clock, MAKELPARAM(10, 10));
  for (const char* k = keys; *k; k++) {
    HWND popup = WaitForPopupMenu();
    ASSERT_NE(nullptr, popup) << "menu for key " << *k;
    PostMessageA(popup, WM_CHAR, *k, 0);
    Sleep(300);
  }
}

TEST(Placement, FarOffStoredPositionFallsBackUntilTheNextDrag) {
  Clock clock("[WINDOW]\r\nPOSX=-500\r\nPOSY=100\r\n");
  ASSERT_TRUE(clock.Start());
  RECT r = WindowRect(clock.Window()), work = WorkArea();
  EXPECT_EQ(work.right / 2 - 100, r.left);
  EXPECT_EQ(100, r.top);
  // Nothing is written back at start.
  EXPECT_EQ("-500", clock.folder.IniValue("WINDOW", "POSX"));
}

TEST(Placement, MoveWhileShownDragWritesThePosition) {
  Clock clock("[WINDOW]\r\nFVMOVE=1\r\nPOSX=100\r\nPOSY=120\r\n");
  ASSERT_TRUE(clock.Start());
  HWND w = clock.Window();
  SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
  SendMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 130));
  EXPECT_EQ(150, WindowRect(w).left);
  EXPECT_EQ(150, WindowRect(w).top);
  SendMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
  EXPECT_EQ("150", clock.folder.IniValue("WINDOW", "POSX"));
  EXPECT_EQ("150", clock.folder.IniValue("WINDOW", "POSY"));
}

TEST(Placement, SystemMoveDragWritesThePosition) {
  Clock clock("[WINDOW]\r\nPOSX=200\r\nPOSY=150\r\n");
  ASSERT_TRUE(clock.Start());
  HWND w = clock.Window();
  DragWithMouse(300, 250, 120, 60);
  clock.Settle();
  RECT r = WindowRect(w);
  EXPECT_EQ(320, r.left);
  EXPECT_EQ(210, r.top);
  EXPECT_EQ("320", clock.folder.IniValue("WINDOW", "POSX"));
  EXPECT_EQ("210", clock.folder.IniValue("WINDOW", "POSY"));
}

TEST(Placement, LockedClockStaysInBothDragStyles) {
  for (int fvMove = 0; fvMove < 2; fvMove++) {
    SCOPED_TRACE(fvMove ? "move while shown" : "system move");
    Clock clock("[WINDOW]\r\nPOSLOCK=1\r\nPOSX=200\r\nPOSY=150\r\nFVMOVE=" +
                std::to_string(fvMove) + "\r\n");
    ASSERT_TRUE(clock.Start());
    DragWithMouse(300, 250, 120, 60);
    clock.Settle();
    EXPECT_EQ(200, WindowRect(clock.Window()).left);
    EXPECT_EQ(150, WindowRect(clock.Window()).top);
    EXPECT_EQ("200", clock.folder.IniValue("WINDOW", "POSX"));
  }
}

struct ZOrderWanted {
  Clock* clock;
  bool topmost;
};
// The menu's command has come through: the window and the stored mode agree.
bool ZOrderIs(void* p) {
  ZOrderWanted* z = (ZOrderWanted*)p;
  return Topmost(z->clock->Window()) == z->topmost &&
         z->clock->folder.IniValue("WINDOW", "TOP") == (z->topmost ? "1" : "0");
}

TEST(Placement, AlwaysInFrontChosenTwiceFromTheMenu) {
  Clock clock;
  ASSERT_TRUE(clock.Start());
  HWND w = clock.Window();
  ChooseFromMainMenu(w, "vt");
  ZOrderWanted front = {&clock, true};
  WaitUntil(ZOrderIs, &front, 5000);
  EXPECT_TRUE(Topmost(w));
  EXPECT_EQ("1", clock.folder.IniValue("WINDOW", "TOP"));
  // The mode survives a restart.
  clock.process.Close();
  ASSERT_TRUE(clock.Start());
  w = clock.Window();
  EXPECT_TRUE(Topmost(w));
  ChooseFromMainMenu(w, "vt");
  ZOrderWanted normal = {&clock, false};
  WaitUntil(ZOrderIs, &normal, 5000);
  EXPECT_FALSE(Topmost(w));
  EXPECT_EQ("0", clock.folder.IniValue("WINDOW", "TOP"));
  // The next start agrees.
  clock.process.Close();
  ASSERT_TRUE(clock.Start());
  EXPECT_FALSE(Topmost(clock.Window()));
}

TEST(Placement, AvoidanceHidesNearTheCentreAndShowsAfterThePointerLeaves) {
  Clock clock("[WINDOW]\r\nWNDHIDE=1\r\nPOSX=300\r\nPOSY=200\r\n");
  MovePointer(20, 20);  // an earlier test may have left the pointer over the clock
  ASSERT_TRUE(clock.Start());
  HWND w = clock.Window();
  // Over a corner of the window but outside the circle: stays.
  MovePointer(300 + 30, 200 + 30);
  SendMessageA(w, WM_SETCURSOR, (WPARAM)w, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_TRUE(IsWindowVisible(w));
  MovePointer(400 + 20, 300 - 10);
  SendMessageA(w, WM_SETCURSOR, (WPARAM)w, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_FALSE(IsWindowVisible(w));
  // Still near for longer than the re-show delay: stays hidden.
  Sleep(1800);
  EXPECT_FALSE(IsWindowVisible(w));
  MovePointer(20, 20);
  EXPECT_TRUE(WaitVisible(w, true, 5000));
}

// Translucent, the clock is still dragged and worked by its menu; grown,
// it keeps its centre and hides from the pointer within a grown circle.
TEST(Placement, TranslucentClockDragsGrowsFromItsMenuAndAvoidsThePointer) {
  Clock clock("[WINDOW]\r\nOPACITY=60\r\nPOSX=200\r\nPOSY=150\r\n");
  MovePointer(20, 20);
  ASSERT_TRUE(clock.Start());
  HWND w = clock.Window();
  ASSERT_NE(-1, LayeredAlpha(w));
  DragWithMouse(300, 250, 120, 60);
  clock.Settle();
  EXPECT_EQ(320, WindowRect(w).left);
  EXPECT_EQ(210, WindowRect(w).top);
  // The size submenu opens on its first item; 150 % is the fifth.
  ChooseFromMainMenu(w, "vs");
  HWND popup = WaitForPopupMenu();
  ASSERT_NE(nullptr, popup);
  for (int i = 0; i < 4; i++) PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
  clock.Settle();
  RECT r = WindowRect(w);
  EXPECT_EQ(300, r.right - r.left);
  EXPECT_EQ(270, r.left);
  EXPECT_EQ(160, r.top);
  EXPECT_EQ("150", clock.folder.IniValue("WINDOW", "SIZE"));
  EXPECT_EQ("270", clock.folder.IniValue("WINDOW", "POSX"));
  EXPECT_NE(-1, LayeredAlpha(w));
  // A hundred pixels from the centre: outside the circle of the normal
  // size, inside this one.
  clock.Command(IDM_AVOID_CURSOR);
  MovePointer(420 + 100, 310);
  SendMessageA(w, WM_SETCURSOR, (WPARAM)w, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_FALSE(IsWindowVisible(w));
  MovePointer(20, 20);
  EXPECT_TRUE(WaitVisible(w, true, 5000));
}

TEST(Tray, IconComesAndGoesAndALeftClickShowsTheClock) {
  Clock clock;
  ASSERT_TRUE(clock.Start());
  HWND w = clock.Window();
  // Not resident: Escape leaves the clock shown.
  SendMessageA(w, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(IsWindowVisible(w));
  clock.Command(IDM_RESIDENT);
  EXPECT_TRUE(TrayIconShown(w, 0));
  EXPECT_EQ("1", clock.folder.IniValue("EXT", "TRAY"));
  SendMessageA(w, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(IsWindowVisible(w));
  SendMessageA(w, WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
  EXPECT_TRUE(IsWindowVisible(w));
  clock.Command(IDM_HIDE);
  EXPECT_FALSE(IsWindowVisible(w));
  clock.Command(IDM_END_RESIDENT);
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_FALSE(TrayIconShown(w, 0));
  EXPECT_EQ("0", clock.folder.IniValue("EXT", "TRAY"));
}

TEST(Tray, ResidentAtStartBackAfterTheShellRestartsAndGoneAfterClose) {
  Clock clock("[EXT]\r\nTRAY=1\r\n");
  ASSERT_TRUE(clock.Start());
  HWND w = clock.Window();
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_TRUE(TrayIconShown(w, 0));
  // A shell that starts again has lost every icon and says so to all.
  NOTIFYICONDATAA nid = {};
  nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
  nid.hWnd = w;
  Shell_NotifyIconA(NIM_DELETE, &nid);
  ASSERT_FALSE(TrayIconShown(w, 0));
  DWORD_PTR result;
  SendMessageTimeoutA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0,
                      SMTO_ABORTIFHUNG, 5000, &result);
  EXPECT_TRUE(TrayIconShown(w, 0));
  clock.process.Close();
  EXPECT_FALSE(TrayIconShown(w, 0));
}

}  // namespace
