// The real clock on its default data folder with the sample skins.
#include <windows.h>

#include <gtest/gtest.h>

#include "win_support.h"

namespace {

int LastNum(const TempDataFolder& folder) {
  return GetPrivateProfileIntA("IMAGE", "LAST_NUM", -9, folder.IniPath().c_str());
}

TEST(Skins, StartUpPicksASampleSkinAndPageUpStepsOn) {
  TempDataFolder folder;
  folder.InstallClock();
  ClockProcess clock;
  ASSERT_TRUE(clock.Start(folder.ExePath()));
  // No index stored yet: start-up picks one of the three at random.
  int first = LastNum(folder);
  ASSERT_GE(first, 0);
  ASSERT_LE(first, 2);
  PostMessageA(clock.Window(), WM_KEYDOWN, VK_PRIOR, 0);
  PostMessageA(clock.Window(), WM_KEYUP, VK_PRIOR, 0);
  struct Wait {
    const TempDataFolder* folder;
    int expect;
  } wait = {&folder, (first + 1) % 3};
  EXPECT_TRUE(WaitUntil([](void* c) {
    Wait* w = (Wait*)c;
    return LastNum(*w->folder) == w->expect;
  }, &wait, 5000));
}

}  // namespace
