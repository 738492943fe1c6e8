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
  // UTF-8, with characters code page 932 lacks: é and an emoji.
  const char kName[] = u8"表示" "\xC3\xA9" "\xF0\x9F\x98\x80" ".qkb";
  app.WriteSettingString("IMAGE", "FILE", kName);
  app.ReadSettingString("IMAGE", "FILE", buffer, "");
  EXPECT_STREQ(kName, buffer);
}

TEST(Settings, PathsStepOverDoubleByteBackslashes) {
  AppState app = {};
  // In code page 932 both folder names would end in a 0x5C second byte.
  ASSERT_TRUE(app.Load(u8"C:\\ソフト\\表\\Zentick.exe"));
  EXPECT_STREQ(u8"C:\\ソフト\\表\\", app.exeDir);
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
