// Flags holding garbage that the platform reads as large numbers: each
// means "on" and nothing more.
#include <gtest/gtest.h>

#include "shell/globals.h"
#include "app_harness.h"
#include "face_frames.h"
#include "skin_support.h"

namespace {

TEST(FaultGarbage, LargeFlagValuesDrawOrdinaryBoldHandsAndPickARandomSkin) {
  TempDataFolder folder;
  for (const char* name : {"a.qkb", "b.qkb", "c.qkb"})
    folder.WriteDataFile(name, OneBitSkinFile(name, "x", RGB(0, 200, 0)));
  folder.WriteIni(
      "[OBJECT]\r\nBOOLD=-75480207\r\n"
      "[IMAGE]\r\nLAST_NUM=0\r\nTIME_CHANGE=-3\r\nCHANGE_MIN=1\r\nCHANGE_RND=12\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  clock.TickAt(12, 0, 30);  // within the start-up minute: no timed change yet
  BackBuffer garbage;
  // Off and on again: the flag now holds 1, as the menu writes it.
  theClock.hands.ToggleHandOption(5, 0);
  theClock.hands.ToggleHandOption(5, 0);
  EXPECT_EQ("1", folder.IniValue("OBJECT", "BOOLD"));
  theClock.RequestRedraw();
  BackBuffer bold;
  EXPECT_GT(bold.ChangedPixels(), 300);
  EXPECT_EQ(0, garbage.DifferentFrom(bold, 0, 0, 200, 200));

  // The timed change at the next minute: a random pick among the skins.
  EXPECT_EQ("<absent>", folder.IniValue("IMAGE", "FILE"));
  clock.TickAt(12, 0, 59);
  clock.TickAt(12, 1, 0);
  std::string picked = folder.IniValue("IMAGE", "FILE");
  EXPECT_TRUE(picked == "a.qkb" || picked == "b.qkb" || picked == "c.qkb") << picked;
}

}  // namespace
