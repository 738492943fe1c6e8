// The tick through the clock seam: once per new second, the minute and
// half-minute work and its counters.
#include <gtest/gtest.h>

#include "shell/globals.h"
#include "app_harness.h"
#include "mail/mail_check.h"
#include "skins/image_changer.h"
#include "zt_version.h"

namespace {

TEST(Tick, CountersMoveOnlyAtTheirBoundariesAndOncePerSecond) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  clock.TickAt(12, 0, 59);
  clock.TickAt(12, 1, 0);
  EXPECT_EQ(1, skinMinutes);
  EXPECT_EQ(1, mailMinutes);
  clock.Tick();  // same second again: nothing more
  clock.Tick();
  EXPECT_EQ(1, skinMinutes);
  EXPECT_EQ(1, wallpaperMinutes);  // 12:00:30 was passed on the way
  clock.TickAt(12, 1, 30);
  EXPECT_EQ(2, wallpaperMinutes);
  clock.TickAt(12, 1, 30);
  EXPECT_EQ(2, wallpaperMinutes);
  EXPECT_EQ(DIALOG_NONE, openDialog);
}

// A busy machine: the tick after 12:00:58 comes at 12:01:02. The minute's
// event runs all the same, once.
TEST(Tick, ALateTickRunsTheMinutesEventOnce) {
  TempDataFolder folder;
  folder.WriteDataFile("ZENTICK.evt", "0,0,12,1,1,late but there,\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  MessageBoxCatcher catcher;
  clock.TickAt(12, 0, 58);
  clock.TickAt(12, 1, 2);
  clock.TickAt(12, 1, 3);
  clock.TickAt(12, 1, 0);  // set back a little: not again
  clock.TickAt(12, 1, 4);
  ASSERT_EQ(1u, catcher.boxes.size());
  EXPECT_EQ("late but there", catcher.boxes[0].text);
  EXPECT_EQ(1, skinMinutes);
}

TEST(Tick, EscapeHidesOnlyAResidentClock) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  // Escape hides only a resident clock.
  SendMessageA(clock.Window(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(IsWindowVisible(clock.Window()));
  theApp.WriteSettingInt(Setting::resident, 1);
  SendMessageA(clock.Window(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(IsWindowVisible(clock.Window()));
}

TEST(Tick, HitTestMakesTheWholeWindowClientArea) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  RECT r;
  GetWindowRect(clock.Window(), &r);
  EXPECT_EQ(HTCLIENT, SendMessageA(clock.Window(), WM_NCHITTEST, 0, MAKELPARAM(r.left + 100, r.top + 1)));
}

}  // namespace

namespace {

TEST(Keys, F1ShowsTheAboutBoxOwnedByTheClock) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  DialogWatcher watcher;
  SendMessageA(clock.Window(), WM_KEYDOWN, VK_F1, 0);
  ASSERT_TRUE(watcher.Wait());
  EXPECT_EQ("Information", watcher.caption);
  EXPECT_EQ(0u, watcher.text.find("Zentick " ZT_VERSION "\n"));
}

}  // namespace
