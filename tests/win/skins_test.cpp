// Skin and wallpaper changes, the two dialogs and the desktop settings,
// with the clock brought up in this process.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "shell/globals.h"
#include "app_harness.h"
#include "skin_support.h"
#include "res/resource.h"
#include "skins/image_changer.h"
#include "skins/wallpaper.h"

namespace {

// Three skins; their numbers follow the platform's search order.
std::vector<std::string> InstallThreeSkins(const TempDataFolder& folder) {
  folder.WriteDataFile("alpha.qkb", SkinFile("アルファ", "作者A"));
  folder.WriteDataFile("bravo.qkb", SkinFile("ブラボー", "作者B"));
  folder.WriteDataFile("charlie.qkb", SkinFile("チャーリー", "作者C"));
  return SearchOrder(folder.DataDir(), "qkb");
}

void PressKey(int key) {
  SendMessageA(theClock.hwnd, WM_KEYDOWN, key, 0);
  SendMessageA(theClock.hwnd, WM_KEYUP, key, 0);
}

TEST(SkinChange, KeysStepThroughTheSearchOrderAndStoreTheIndex) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  std::vector<std::string> order = InstallThreeSkins(folder);
  ASSERT_EQ(3u, order.size());
  struct Step {
    int key, expect;
  } steps[] = {{VK_PRIOR, 0}, {VK_PRIOR, 1}, {VK_NEXT, 0}, {VK_NEXT, 2}, {VK_PRIOR, 0},
               {VK_END, 2},   {VK_HOME, 0},  {VK_INSERT, -1}};
  theApp.WriteSettingInt(Setting::skinIndex, -1);
  for (const Step& s : steps) {
    skinMinutes = 9;
    int before = theApp.ReadSettingInt(Setting::skinIndex);
    PressKey(s.key);
    int now = theApp.ReadSettingInt(Setting::skinIndex);
    if (s.expect >= 0) {
      EXPECT_EQ(s.expect, now) << "key " << s.key;
    } else {
      EXPECT_NE(before, now);
    }
    EXPECT_EQ(0, skinMinutes);
    EXPECT_EQ(std::to_string(now), folder.IniValue("IMAGE", "LAST_NUM"));
    EXPECT_EQ(order[now], folder.IniValue("IMAGE", "FILE"));
  }
}

TEST(SkinChange, NothingChangesWhenNoFileAnswers) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  // No skins at all: the timed change finds nothing and the counter runs on.
  theApp.WriteSettingInt(Setting::skinChangeTimed, 1);
  theApp.WriteSettingInt(Setting::skinIntervalMinutes, 1);
  clock.TickAt(12, 1, 0);
  EXPECT_EQ(1, skinMinutes);
  clock.TickAt(12, 1, 1);
  clock.TickAt(12, 2, 0);
  EXPECT_EQ(2, skinMinutes);
  EXPECT_EQ("<absent>", folder.IniValue("IMAGE", "LAST_NUM"));
  // One skin: a random pick has nothing else to go to.
  folder.WriteDataFile("only.qkb", SkinFile("一つ", ""));
  PressKey(VK_INSERT);
  EXPECT_EQ("<absent>", folder.IniValue("IMAGE", "LAST_NUM"));
  // An index left from a fuller folder: previous asks for a missing file.
  InstallThreeSkins(folder);
  theApp.WriteSettingInt(Setting::skinIndex, 7);
  PressKey(VK_NEXT);
  EXPECT_EQ(7, theApp.ReadSettingInt(Setting::skinIndex));
  PressKey(VK_PRIOR);
  EXPECT_EQ(0, theApp.ReadSettingInt(Setting::skinIndex));
  // The timed change, once due again, goes through and restarts the count.
  skinMinutes = 0;
  clock.TickAt(12, 2, 59);
  clock.TickAt(12, 3, 0);
  EXPECT_EQ(1, theApp.ReadSettingInt(Setting::skinIndex));
  EXPECT_EQ(0, skinMinutes);
}

std::string MakeWallpaperFolder(const TempDataFolder& folder) {
  std::string dir = folder.Root() + "walls";
  CreateDirectoryA(dir.c_str(), NULL);
  WriteFileBytes(dir + "\\sea.bmp", QuarterBitmap(64, 48));
  WriteFileBytes(dir + "\\forest.bmp", QuarterBitmap(32, 24));
  return dir;
}

TEST(WallpaperChange, TimedChangeSetsTheNextBitmapAndSkipsPathsTooLong) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  std::string dir = MakeWallpaperFolder(folder);
  std::vector<std::string> order = SearchOrder(dir + "\\", "bmp");
  ASSERT_EQ(2u, order.size());
  theApp.WriteSettingString(Setting::wallpaperFolder, dir.c_str());
  theApp.WriteSettingInt(Setting::wallpaperChangeTimed, 1);
  theApp.WriteSettingInt(Setting::wallpaperIntervalMinutes, 1);
  theApp.WriteSettingInt(Setting::wallpaperIndex, -1);
  clock.TickAt(12, 0, 30);
  std::string first = dir + "\\" + order[0];
  EXPECT_EQ(0, theApp.ReadSettingInt(Setting::wallpaperIndex));
  EXPECT_EQ(0, wallpaperMinutes);
  EXPECT_EQ("0", folder.IniValue("WALLPAPER", "LAST_NUM"));
  EXPECT_EQ(first, folder.IniValue("WALLPAPER", "LAST_FILE"));
  EXPECT_STRCASEEQ(first.c_str(), WallpaperNow().c_str());
  clock.TickAt(12, 1, 0);
  clock.TickAt(12, 1, 30);
  EXPECT_EQ(dir + "\\" + order[1], folder.IniValue("WALLPAPER", "LAST_FILE"));
  clock.TickAt(12, 2, 0);
  clock.TickAt(12, 2, 30);
  EXPECT_EQ(first, folder.IniValue("WALLPAPER", "LAST_FILE"));

  // A folder whose entries would not fit in a path: nothing changes.
  std::string deep = dir;
  while (deep.size() < 240) {
    deep += "\\dddddddddd";
    CreateDirectoryA(deep.c_str(), NULL);
  }
  WriteFileBytes(deep + "\\s.bmp", QuarterBitmap(8, 8));
  std::string longName = deep + "\\" + std::string(262 - deep.size(), 'w') + ".bmp";
  ASSERT_TRUE(WriteFileBytes(longName, QuarterBitmap(8, 8)));
  ASSERT_EQ(2u, SearchOrder(deep + "\\", "bmp").size());
  theApp.WriteSettingString(Setting::wallpaperFolder, deep.c_str());
  ImageChanger changer = {&theClock, &theApp};
  EXPECT_EQ(1, changer.ChangeImage(PICK_LAST, KIND_WALLPAPER, 0));
  EXPECT_EQ(deep + "\\s.bmp", folder.IniValue("WALLPAPER", "LAST_FILE"));
  EXPECT_EQ(0, theApp.ReadSettingInt(Setting::wallpaperIndex));
}

TEST(WallpaperSettings, StyleValuesAndTheEmptyWallpaper) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\desktop", 0, NULL, 0,
                                           KEY_ALL_ACCESS, NULL, &key, NULL));
  WriteWallpaperStyle(0, 2);
  char text[16];
  DWORD size = sizeof text, type = 0;
  ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key, "WallpaperStyle", NULL, &type, (BYTE*)text, &size));
  EXPECT_EQ((DWORD)REG_SZ, type);
  EXPECT_EQ(2u, size);  // "2" and its zero
  int tile = -1, style = -1;
  RegSetValueExA(key, "TileWallpaper", 0, REG_SZ, (const BYTE*)"1", 2);
  ReadWallpaperStyle(&tile, &style);
  EXPECT_EQ(1, tile);
  EXPECT_EQ(2, style);
  // Too long for the value's buffer, and missing: both read as 0.
  RegSetValueExA(key, "TileWallpaper", 0, REG_SZ, (const BYTE*)"12345", 6);
  RegDeleteValueA(key, "WallpaperStyle");
  RegCloseKey(key);
  ReadWallpaperStyle(&tile, &style);
  EXPECT_EQ(0, tile);
  EXPECT_EQ(0, style);

  SetWallpaper(&theApp, "");
  EXPECT_EQ("", WallpaperNow());
  EXPECT_EQ("", folder.IniValue("WALLPAPER", "LAST_FILE"));
}

TEST(WallpaperSettings, TransparentIconTextAtStartUp) {
  TempDataFolder folder;
  int element = COLOR_BACKGROUND;
  COLORREF blue = RGB(0, 0, 128);
  SetSysColors(1, &element, &blue);
  folder.WriteIni("[WALLPAPER]\r\nTRANSLATE=1\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  EXPECT_NE(blue, GetSysColor(COLOR_BACKGROUND));
}

}  // namespace
