// The real clock on its default data folder with the sample skins.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin_support.h"
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

// A skin stored run-length encoded, as paint programs write 8-bit
// pictures, shows on the running clock.
TEST(Skins, RunLengthSkinShowsOnTheClock) {
  TempDataFolder folder;
  folder.InstallClock();
  WriteFileBytes(folder.DataDir() + "rle.qkb", SkinFile("rle", "test", 8, BMP_RLE));
  folder.WriteIni("[IMAGE]\r\nFILE=rle.qkb\r\nLAST_NUM=0\r\n");
  ClockProcess clock;
  ASSERT_TRUE(clock.Start(folder.ExePath()));
  RECT r;
  GetWindowRect(clock.Window(), &r);
  EXPECT_EQ("rle.qkb", folder.IniValue("IMAGE", "FILE"));
  // Quarters away from the hands: red top left, yellow bottom right, once
  // the first paint has reached the screen.
  EXPECT_TRUE(WaitUntil([](void* c) {
    const RECT* w = (const RECT*)c;
    return ScreenPixel(w->left + 40, w->top + 40) == RGB(255, 0, 0);
  }, &r, 3000));
  EXPECT_EQ(RGB(255, 255, 0), ScreenPixel(r.left + 160, r.top + 160));
}

}  // namespace
