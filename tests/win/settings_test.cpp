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

TEST(Settings, HeldSettingsComeFromTheFileAndLastNumsAreIndependent) {
  TempDataFolder folder;
  folder.WriteIni("[WINDOW]\r\nTOP=1\r\nPOSLOCK=1\r\n[IMAGE]\r\nLAST_NUM=4\r\nCHANGE_MIN=0\r\n"
                  "[WALLPAPER]\r\nLAST_NUM=7\r\n[MAIL]\r\nCHECK_TIME=-3\r\n");
  AppState app = {};
  ASSERT_TRUE(app.Load(folder.ExePath().c_str()));
  EXPECT_EQ(1, app.ReadSettingInt(Setting::alwaysOnTop));
  EXPECT_EQ(1, app.ReadSettingInt(Setting::lockPosition));
  EXPECT_EQ(4, app.ReadSettingInt(Setting::skinIndex));
  EXPECT_EQ(7, app.ReadSettingInt(Setting::wallpaperIndex));
  EXPECT_EQ(0, app.ReadSettingInt(Setting::skinIntervalMinutes));
  EXPECT_EQ(-3, app.ReadSettingInt(Setting::mailIntervalMinutes));
}

TEST(Settings, ToggleTwiceWritesZeroNotNothing) {
  TempDataFolder folder;
  AppState app = {};
  ASSERT_TRUE(app.Load(folder.ExePath().c_str()));
  app.ToggleSetting(Setting::hourlyChime);
  EXPECT_EQ(1, app.ReadSettingInt(Setting::hourlyChime));
  EXPECT_EQ("1", folder.IniValue("EXT", "SOUND"));
  app.ToggleSetting(Setting::hourlyChime);
  EXPECT_EQ(0, app.ReadSettingInt(Setting::hourlyChime));
  EXPECT_EQ("0", folder.IniValue("EXT", "SOUND"));
}

TEST(Settings, StringsAndNumbersRoundTrip) {
  TempDataFolder folder;
  AppState app = {};
  ASSERT_TRUE(app.Load(folder.ExePath().c_str()));
  EXPECT_EQ(5, app.ReadSettingInt(Setting::windowLeft, 5));
  app.WriteSettingInt(Setting::windowLeft, -123);
  EXPECT_EQ(-123, app.ReadSettingInt(Setting::windowLeft, 5));
  char buffer[PATH_SIZE] = "?";
  EXPECT_EQ(0, app.ReadSettingString(Setting::faceFile, buffer));
  EXPECT_STREQ("", buffer);
  app.WriteSettingString(Setting::faceFile, "表示.qkb");
  app.ReadSettingString(Setting::faceFile, buffer);
  EXPECT_STREQ("表示.qkb", buffer);
}

// A change made by hand while the clock runs: held settings keep what they
// were at start-up, the others follow the file; both write through.
TEST(Settings, HeldSettingsKeepTheirStartValueTheOthersFollowTheFile) {
  TempDataFolder folder;
  folder.WriteIni("[MAIL]\r\nALLOW_CHECK=1\r\nCHECK_LAN=1\r\n");
  AppState app = {};
  ASSERT_TRUE(app.Load(folder.ExePath().c_str()));
  folder.WriteIni("[MAIL]\r\nALLOW_CHECK=0\r\nCHECK_TIME=5\r\nCHECK_LAN=0\r\n");
  EXPECT_EQ(1, app.ReadSettingInt(Setting::mailAutoCheck));
  EXPECT_EQ(0, app.ReadSettingInt(Setting::mailOverLan));
  app.ToggleSetting(Setting::mailAutoCheck);
  app.ToggleSetting(Setting::mailOverLan);
  EXPECT_EQ(0, app.ReadSettingInt(Setting::mailAutoCheck));
  EXPECT_EQ(1, app.ReadSettingInt(Setting::mailOverLan));
  EXPECT_EQ("0", folder.IniValue("MAIL", "ALLOW_CHECK"));
  EXPECT_EQ("1", folder.IniValue("MAIL", "CHECK_LAN"));
}

TEST(Settings, PathsStepOverDoubleByteBackslashes) {
  AppState app = {};
  // "C:\ソフト\表\Zentick.exe": both folder names end in a 0x5C second byte.
  ASSERT_TRUE(app.Load("C:\\ソフト\\表\\Zentick.exe"));
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
