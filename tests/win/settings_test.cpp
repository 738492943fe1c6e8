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
  // UTF-8, with characters code page 932 lacks: é and an emoji.
  const char kName[] = u8"表示" "\xC3\xA9" "\xF0\x9F\x98\x80" ".qkb";
  app.WriteSettingString(Setting::faceFile, kName);
  app.ReadSettingString(Setting::faceFile, buffer);
  EXPECT_STREQ(kName, buffer);
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
  // In code page 932 both folder names would end in a 0x5C second byte.
  ASSERT_TRUE(app.Load(u8"C:\\ソフト\\表\\Zentick.exe"));
  EXPECT_STREQ(u8"C:\\ソフト\\表\\data\\", app.dataDir);
  AppState noFolder = {};
  EXPECT_FALSE(noFolder.Load("Zentick.exe"));
  EXPECT_EQ(0, noFolder.dataDir[0]);
}

TEST(Settings, LongExecutablePathIsRefusedCountedInTheSystemsCharacters) {
  // The deepest folder taken, in characters of three UTF-8 bytes each.
  std::string path = "C:\\";
  for (int i = 0; i < LONGEST_EXE_PATH - 15; i++) path += u8"時";
  path += "\\Zentick.exe";
  AppState app = {};
  ASSERT_TRUE(app.Load(path.c_str()));
  EXPECT_EQ(path.substr(0, path.size() - 11) + "data\\Zentick.ini", app.iniPath);
  path.insert(3, "a");
  EXPECT_FALSE(app.Load(path.c_str()));
  EXPECT_FALSE(app.HasPaths());
}

}  // namespace
