#include <gtest/gtest.h>

#include "settings/app_state.h"
#include "win_support.h"

namespace {

TEST(Settings, PathsFromTheProgramsFolderWithNoFile) {
  TempDataFolder folder;
  AppState app = {};
  ASSERT_TRUE(app.Load(folder.ExePath().c_str()));
  EXPECT_EQ(folder.DataDir(), app.dataDir);
  EXPECT_EQ(folder.DataDir() + "Zentick.ini", app.iniPath);
}

TEST(Settings, MirrorsComeFromTheFileAndLastNumsAreIndependent) {
  TempDataFolder folder;
  folder.WriteIni("[WINDOW]\r\nTOP=1\r\nPOSLOCK=1\r\n[IMAGE]\r\nLAST_NUM=4\r\nCHANGE_MIN=0\r\n"
                  "[WALLPAPER]\r\nLAST_NUM=7\r\n[MAIL]\r\nCHECK_TIME=-3\r\n");
  AppState app = {};
  ASSERT_TRUE(app.Load(folder.ExePath().c_str()));
  EXPECT_EQ(1, app.top);
  EXPECT_EQ(1, app.posLock);
  EXPECT_EQ(4, app.imageLastNum);
  EXPECT_EQ(7, app.wallpaperLastNum);
  EXPECT_EQ(0, app.changeMin);
  EXPECT_EQ(-3, app.checkTime);
}

TEST(Settings, ToggleTwiceWritesZeroNotNothing) {
  TempDataFolder folder;
  AppState app = {};
  ASSERT_TRUE(app.Load(folder.ExePath().c_str()));
  app.ToggleSetting(&app.sound, "EXT", "SOUND");
  EXPECT_EQ(1, app.sound);
  EXPECT_EQ("1", folder.IniValue("EXT", "SOUND"));
  app.ToggleSetting(&app.sound, "EXT", "SOUND");
  EXPECT_EQ(0, app.sound);
  EXPECT_EQ("0", folder.IniValue("EXT", "SOUND"));
}

TEST(Settings, StringsAndNumbersRoundTrip) {
  TempDataFolder folder;
  AppState app = {};
  ASSERT_TRUE(app.Load(folder.ExePath().c_str()));
  app.WriteSettingInt("WINDOW", "POSX", -123);
  EXPECT_EQ(-123, app.ReadSettingInt("WINDOW", "POSX", 5));
  char buffer[PATH_SIZE];
  EXPECT_EQ(3, app.ReadSettingString("IMAGE", "FILE", buffer, "abc"));
  EXPECT_STREQ("abc", buffer);
  app.WriteSettingString("IMAGE", "FILE", "表示.qkb");
  app.ReadSettingString("IMAGE", "FILE", buffer, "");
  EXPECT_STREQ("表示.qkb", buffer);
}

TEST(Settings, PathsStepOverDoubleByteBackslashes) {
  AppState app = {};
  // "C:\ソフト\表\Zentick.exe": both folder names end in a 0x5C second byte.
  ASSERT_TRUE(app.Load("C:\\ソフト\\表\\Zentick.exe"));
  EXPECT_STREQ("C:\\ソフト\\表\\", app.exeDir);
  EXPECT_STREQ("C:\\ソフト\\表\\data\\", app.dataDir);
  AppState noFolder = {};
  EXPECT_FALSE(noFolder.Load("Zentick.exe"));
  EXPECT_EQ(0, noFolder.dataDir[0]);
}

TEST(Settings, LongExecutablePathIsRefused) {
  std::string path = "C:\\" + std::string(240, 'a') + "\\Zentick.exe";
  AppState app = {};
  EXPECT_FALSE(app.Load(path.c_str()));
  EXPECT_FALSE(app.HasPaths());
}

}  // namespace
