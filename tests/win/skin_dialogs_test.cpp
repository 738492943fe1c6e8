// The background dialog and the wallpaper utility, driven as a user would
// from a helper thread while the clock's thread runs them.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "shell/globals.h"
#include "app_harness.h"
#include "skins/image_changer.h"
#include "skin_support.h"
#include "res/resource.h"
#include "skins/wallpaper_preview.h"

namespace {

const char kBackgroundCaption[] = "背景の設定";
const char kWallpaperCaption[] = "壁紙の変更";
const int kBackgroundCommand = IDM_BACKGROUND, kWallpaperCommand = IDM_WALLPAPER;

void SelectRow(HWND list, int item) {
  LVITEMA lv = {};
  lv.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  lv.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, item, (LPARAM)&lv);
}

bool IsEditable(HWND dialog) {
  HWND field = GetDlgItem(dialog, IDC_MINUTES);
  return IsWindowEnabled(field) && !(GetWindowLongA(field, GWL_STYLE) & ES_READONLY);
}

struct BackgroundVisit {
  std::vector<std::string> rows;
  RECT where;
  int openCode;
  int pick;
  bool editableUnchecked, editableAgain;
  std::string minutesAfterClearing, minutesTyped;
};

void UseBackgroundDialog(HWND dialog, void* context) {
  BackgroundVisit* v = (BackgroundVisit*)context;
  v->openCode = openDialog;
  GetWindowRect(dialog, &v->where);
  HWND list = GetDlgItem(dialog, IDC_SKIN_LIST);
  for (const auto& row : ListViewRows(list, 3)) v->rows.push_back(row[0] + "|" + row[1] + "|" + row[2]);
  if (v->pick >= 0) SelectRow(list, v->pick);
  SendDlgItemMessageA(dialog, IDC_TIMED_CHANGE, BM_CLICK, 0, 0);
  v->editableUnchecked = IsEditable(dialog);
  SendDlgItemMessageA(dialog, IDC_TIMED_CHANGE, BM_CLICK, 0, 0);
  v->editableAgain = IsEditable(dialog);
  SetDlgItemTextA(dialog, IDC_MINUTES, "");
  v->minutesAfterClearing = ControlText(dialog, IDC_MINUTES);
  SetDlgItemTextA(dialog, IDC_MINUTES, "25");
  v->minutesTyped = ControlText(dialog, IDC_MINUTES);
  SendDlgItemMessageA(dialog, IDC_BOOT_CHANGE, BM_CLICK, 0, 0);
  SendDlgItemMessageA(dialog, IDC_RANDOM, BM_CLICK, 0, 0);
  PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box
}

TEST(BackgroundDialog, ListsSkinsInSearchOrderAndSavesLikeOkWhenClosed) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  folder.WriteDataFile("plain.qkb", SkinFile("", ""));
  folder.WriteDataFile("titled.qkb", SkinFile("秋の夜長", "山田"));
  folder.WriteDataFile("cut.qkb", std::string("QK\0\0\x08\0\0\0", 8) + "\x05" "ab");
  std::vector<std::string> order = SearchOrder(folder.DataDir(), "qkb");
  ASSERT_EQ(3u, order.size());
  SetWindowPos(clock.Window(), NULL, 350, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  theApp.WriteSettingInt(Setting::skinChangeTimed, 1);
  theApp.WriteSettingInt(Setting::skinIntervalMinutes, 5);
  skinMinutes = 4;
  theApp.WriteSettingInt(Setting::skinIndex, 0);

  BackgroundVisit v = {};
  v.pick = 1;
  ASSERT_TRUE(RunDialog(clock.Window(), kBackgroundCommand, kBackgroundCaption, UseBackgroundDialog, &v));
  EXPECT_EQ(1, v.openCode);
  EXPECT_EQ(560, v.where.left);
  EXPECT_EQ(100, v.where.top);
  ASSERT_EQ(3u, v.rows.size());
  for (size_t i = 0; i < order.size(); i++) {
    std::string expect = order[i] == "titled.qkb" ? "秋の夜長|山田|titled.qkb" : order[i] + "|不明|" + order[i];
    EXPECT_EQ(expect, v.rows[i]);
  }
  EXPECT_FALSE(v.editableUnchecked);
  EXPECT_TRUE(v.editableAgain);
  EXPECT_EQ("1", v.minutesAfterClearing);
  EXPECT_EQ("25", v.minutesTyped);

  EXPECT_EQ(0, openDialog);
  EXPECT_EQ(0, skinMinutes);
  EXPECT_EQ("1", folder.IniValue("IMAGE", "BOOT_CHANGE"));
  EXPECT_EQ("1", folder.IniValue("IMAGE", "TIME_CHANGE"));
  EXPECT_EQ("1", folder.IniValue("IMAGE", "CHANGE_RND"));
  EXPECT_EQ("25", folder.IniValue("IMAGE", "CHANGE_MIN"));
  EXPECT_EQ(25, theApp.ReadSettingInt(Setting::skinIntervalMinutes));
  // A choice in the list leaves the change index alone.
  EXPECT_EQ(0, theApp.ReadSettingInt(Setting::skinIndex));

  // Further left than 350, the dialog opens at the clock's left less 350.
  SetWindowPos(clock.Window(), NULL, 351, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  v = BackgroundVisit{};
  v.pick = -1;
  ASSERT_TRUE(RunDialog(clock.Window(), kBackgroundCommand, kBackgroundCaption, UseBackgroundDialog, &v));
  EXPECT_EQ(1, v.where.left);

  // Beside a clock near the bottom, it rises to stay whole on the screen.
  SetWindowPos(clock.Window(), NULL, 350, 700, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  v = BackgroundVisit{};
  v.pick = -1;
  ASSERT_TRUE(RunDialog(clock.Window(), kBackgroundCommand, kBackgroundCaption, UseBackgroundDialog, &v));
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(560, v.where.left);
  EXPECT_EQ(work.bottom, v.where.bottom);
}

TEST(BackgroundDialog, PickingShowsTheSkinAndPageUpStepsFromTheStoredIndex) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  folder.WriteDataFile("a.qkb", SkinFile("A", ""));
  folder.WriteDataFile("b.qkb", SkinFile("B", ""));
  folder.WriteDataFile("c.qkb", SkinFile("C", ""));
  std::vector<std::string> order = SearchOrder(folder.DataDir(), "qkb");
  ASSERT_EQ(3u, order.size());
  theApp.WriteSettingInt(Setting::skinIndex, 0);
  skinMinutes = 7;
  BackgroundVisit v = {};
  v.pick = 2;
  ASSERT_TRUE(RunDialog(clock.Window(), kBackgroundCommand, kBackgroundCaption, UseBackgroundDialog, &v));
  EXPECT_EQ(0, theApp.ReadSettingInt(Setting::skinIndex));
  EXPECT_EQ(order[2], folder.IniValue("IMAGE", "FILE"));
  EXPECT_EQ(0, skinMinutes);
  SendMessageA(clock.Window(), WM_KEYDOWN, VK_PRIOR, 0);
  SendMessageA(clock.Window(), WM_KEYUP, VK_PRIOR, 0);
  EXPECT_EQ(1, theApp.ReadSettingInt(Setting::skinIndex));
  EXPECT_EQ(order[1], folder.IniValue("IMAGE", "FILE"));
}

TEST(BackgroundDialog, ShowsTheSampleSkinsWithTheirJapaneseTexts) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  std::string data = BuildPath("data") + "\\";
  for (const char* name : {"porcelain.qkb", "night_sakura.qkb", "young_leaves.qkb"})
    ASSERT_TRUE(CopyFileA((data + name).c_str(), (folder.DataDir() + name).c_str(), FALSE)) << name;
  BackgroundVisit v = {};
  v.pick = -1;
  ASSERT_TRUE(RunDialog(clock.Window(), kBackgroundCommand, kBackgroundCaption, UseBackgroundDialog, &v));
  ASSERT_EQ(3u, v.rows.size());
  std::string all = v.rows[0] + v.rows[1] + v.rows[2];
  for (const char* text : {"白磁 ― 駅の時計|Zentick 制作班|porcelain.qkb", "夜桜|Zentick 制作班|night_sakura.qkb",
                           "若葉の季節|Zentick 制作班|young_leaves.qkb"})
    EXPECT_NE(std::string::npos, all.find(text)) << text;
}

std::string RegistryText(const char* name) {
  char text[16] = "";
  DWORD size = sizeof text;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\desktop", 0, KEY_READ, &key)) return "";
  RegQueryValueExA(key, name, NULL, NULL, (BYTE*)text, &size);
  RegCloseKey(key);
  return text;
}

struct WallpaperVisit {
  std::string folder;
  std::vector<std::string> entries, styles;
  int openCode;
  std::string wallpaperAfterSet, lastFileAfterSet, lastNumAfterSet, tileAfterSet, styleAfterSet;
  std::string wallpaperAfterNone, lastFileAfterNone, lastNumAfterNone;
  bool closedByAutoClose;
};

void ChooseEntry(HWND dialog, int index, int code) {
  SendDlgItemMessageA(dialog, IDC_WALLPAPER_LIST, LB_SETCURSEL, index, 0);
  NotifyDialog(dialog, IDC_WALLPAPER_LIST, code);
}

void UseWallpaperDialog(HWND dialog, void* context) {
  WallpaperVisit* v = (WallpaperVisit*)context;
  v->openCode = openDialog;
  HWND list = GetDlgItem(dialog, IDC_WALLPAPER_LIST);
  int n = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (int i = 0; i < n; i++) {
    char text[300] = "";
    SendMessageA(list, LB_GETTEXT, i, (LPARAM)text);
    v->entries.push_back(text);
  }
  for (int i = 0; i < 3; i++) {
    char text[64] = "";
    SendDlgItemMessageA(dialog, IDC_STYLE, CB_GETLBTEXT, i, (LPARAM)text);
    v->styles.push_back(text);
  }
  // Stretched, then the first bitmap set by double-click.
  SendDlgItemMessageA(dialog, IDC_STYLE, CB_SETCURSEL, 2, 0);
  NotifyDialog(dialog, IDC_STYLE, CBN_SELCHANGE);
  ChooseEntry(dialog, 0, LBN_SELCHANGE);
  ChooseEntry(dialog, 0, LBN_DBLCLK);
  v->wallpaperAfterSet = WallpaperNow();
  v->tileAfterSet = RegistryText("TileWallpaper");
  v->styleAfterSet = RegistryText("WallpaperStyle");
  char value[300];
  GetPrivateProfileStringA("WALLPAPER", "LAST_FILE", "", value, sizeof value, theApp.iniPath);
  v->lastFileAfterSet = value;
  GetPrivateProfileStringA("WALLPAPER", "LAST_NUM", "", value, sizeof value, theApp.iniPath);
  v->lastNumAfterSet = value;
  // The none entry removes it; with auto-close on, the dialog then ends.
  SendDlgItemMessageA(dialog, IDC_AUTO_CLOSE, BM_CLICK, 0, 0);
  SendDlgItemMessageA(dialog, IDC_TRANSPARENT_TEXT, BM_CLICK, 0, 0);
  ChooseEntry(dialog, n - 1, LBN_DBLCLK);
  v->closedByAutoClose = !IsWindow(dialog) || !IsWindowVisible(dialog);
  v->wallpaperAfterNone = WallpaperNow();
  GetPrivateProfileStringA("WALLPAPER", "LAST_FILE", "?", value, sizeof value, theApp.iniPath);
  v->lastFileAfterNone = value;
  GetPrivateProfileStringA("WALLPAPER", "LAST_NUM", "", value, sizeof value, theApp.iniPath);
  v->lastNumAfterNone = value;
}

TEST(WallpaperDialog, SetsAndRemovesTheWallpaperAndSavesItsOptions) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  std::string dir = folder.Root() + "walls";
  CreateDirectoryA(dir.c_str(), NULL);
  // Names the platform sorts after "無し" still come before it.
  std::vector<std::string> names = {"zebra", "apple"};
  for (const char* late : {"鶴", "龍", "ヴ", "ﾝ", "～"})
    if (CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, late, -1, "無し", -1) == CSTR_GREATER_THAN)
      names.push_back(late);
  ASSERT_GE(names.size(), 3u);
  names.resize(3);
  for (const std::string& name : names) WriteFileBytes(dir + "\\" + name + ".bmp", QuarterBitmap(40, 30));
  theApp.WriteSettingString(Setting::wallpaperFolder, dir.c_str());
  HKEY key;
  RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\desktop", 0, NULL, 0, KEY_WRITE, NULL, &key, NULL);
  RegSetValueExA(key, "TileWallpaper", 0, REG_SZ, (const BYTE*)"0", 2);
  RegSetValueExA(key, "WallpaperStyle", 0, REG_SZ, (const BYTE*)"0", 2);
  RegCloseKey(key);
  wallpaperMinutes = 3;

  WallpaperVisit v = {};
  ASSERT_TRUE(RunDialog(clock.Window(), kWallpaperCommand, kWallpaperCaption, UseWallpaperDialog, &v));
  EXPECT_EQ(4, v.openCode);
  ASSERT_EQ(4u, v.entries.size());
  EXPECT_EQ("無し", v.entries[3]);
  EXPECT_EQ((std::vector<std::string>{"中央に表示", "並べて表示", "拡大"}), v.styles);
  std::string first = dir + "\\" + v.entries[0] + ".bmp";
  EXPECT_STRCASEEQ(first.c_str(), v.wallpaperAfterSet.c_str());
  EXPECT_EQ(first, v.lastFileAfterSet);
  EXPECT_EQ("0", v.lastNumAfterSet);
  EXPECT_EQ("0", v.tileAfterSet);
  EXPECT_EQ("2", v.styleAfterSet);
  EXPECT_TRUE(v.closedByAutoClose);
  EXPECT_EQ("", v.wallpaperAfterNone);
  EXPECT_EQ("", v.lastFileAfterNone);
  EXPECT_EQ("3", v.lastNumAfterNone);
  EXPECT_EQ(3, theApp.ReadSettingInt(Setting::wallpaperIndex));
  EXPECT_EQ(0, openDialog);
  EXPECT_EQ(0, wallpaperMinutes);
  EXPECT_EQ("1", folder.IniValue("WALLPAPER", "AUTO_CLOSE"));
  EXPECT_EQ("1", folder.IniValue("WALLPAPER", "TRANSLATE"));
  EXPECT_EQ("60", folder.IniValue("WALLPAPER", "CHANGE_TIME"));
}

const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255),
               kYellow = RGB(255, 255, 0), kBlack = 0, kDesktop = 1;

// The preview of quartered and banded bitmaps on a 1024 by 768 screen with
// a second one at its right, pixel by pixel.
TEST(Preview, EachStyleAndTheEmptyFrame) {
  TempDataFolder folder;
  std::string large = folder.Root() + "large.bmp", thin = folder.Root() + "thin.bmp",
              cut = folder.Root() + "cut.bmp", bands = folder.Root() + "bands.bmp";
  WriteFileBytes(large, QuarterBitmap(800, 600));
  WriteFileBytes(bands, BandedBitmap());
  WriteFileBytes(thin, QuarterBitmap(2, 2));
  WriteFileBytes(cut, QuarterBitmap(800, 600).substr(0, 50000));
  // Layouts other tools write: run-length, colour masks, rows top-down.
  std::string rle8 = folder.Root() + "rle8.bmp", rle4 = folder.Root() + "rle4.bmp",
              masked = folder.Root() + "masked.bmp", topDown = folder.Root() + "top.bmp";
  WriteFileBytes(rle8, QuarterBitmap(800, 600, 8, BMP_RLE));
  WriteFileBytes(rle4, QuarterBitmap(800, 600, 4, BMP_RLE));
  WriteFileBytes(masked, QuarterBitmap(800, 600, 16, BMP_MASKED));
  WriteFileBytes(topDown, QuarterBitmap(800, 600, 24, BMP_TOP_DOWN));
  struct Spot {
    int x, y;
    COLORREF colour;
  };
  struct Case {
    const std::string* path;
    int style, drawn;
    std::vector<Spot> spots;
  } cases[] = {
      {&large, 0, 1, {{0, 0, kBlack}, {16, 12, kDesktop}, {17, 13, kRed}, {176, 13, kGreen},
                      {17, 132, kBlue}, {176, 132, kYellow}, {177, 133, kDesktop}, {193, 145, kBlack}}},
      {&large, 2, 1, {{1, 1, kRed}, {192, 1, kGreen}, {1, 144, kBlue}, {192, 144, kYellow},
                      {193, 144, kBlack}}},
      {&large, 1, 1, {{1, 1, kRed}, {160, 120, kYellow}, {161, 1, kRed}, {1, 121, kRed},
                      {161, 121, kRed}, {120, 1, kGreen}, {193, 10, kBlack}, {50, 145, kBlack}}},
      // Narrower than one preview pixel: one pixel a tile, to the frame.
      {&thin, 1, 1, {{1, 1, kRed}, {192, 144, kRed}, {193, 144, kBlack}}},
      {&cut, 0, 0, {{0, 0, kBlack}, {96, 72, kDesktop}}},
      // Fit: all four bands, 48 rows high between bars of the desktop.
      {&bands, STYLE_FIT, 1, {{96, 48, kDesktop}, {3, 52, kRed}, {44, 60, kRed}, {54, 90, kGreen},
                              {190, 94, kYellow}, {96, 97, kDesktop}, {193, 96, kBlack}}},
      // Fill: the middle third of the bands, the whole miniature.
      {&bands, STYLE_FILL, 1, {{1, 1, kGreen}, {90, 72, kGreen}, {104, 72, kBlue}, {192, 144, kBlue}}},
      // Span: the middle of the bands over both screens; this one the left half.
      {&bands, STYLE_SPAN, 1, {{1, 1, kRed}, {44, 72, kRed}, {54, 72, kGreen}, {185, 144, kGreen}}},
  };
  std::vector<Case> all(std::begin(cases), std::end(cases));
  for (const std::string* other : {&rle8, &rle4, &masked, &topDown})
    all.push_back({other, 0, 1, cases[0].spots});
  HDC screen = GetDC(NULL), dc = CreateCompatibleDC(screen);
  HBITMAP bits = CreateCompatibleBitmap(screen, PREVIEW_PICTURE_WIDTH, PREVIEW_PICTURE_HEIGHT);
  HGDIOBJ old = SelectObject(dc, bits);
  COLORREF desktop = GetSysColor(COLOR_BACKGROUND) & 0xFFFFFF;
  PreviewTarget target = {dc, 0, 0, {1024, 768, 0, 0, 2048, 768}, 96};
  for (const Case& c : all) {
    EXPECT_EQ(c.drawn, PaintWallpaperPreview(&target, c.path->c_str(), c.style)) << *c.path;
    for (const Spot& s : c.spots)
      EXPECT_EQ(s.colour == kDesktop ? desktop : s.colour, GetPixel(dc, s.x, s.y) & 0xFFFFFF)
          << *c.path << " style " << c.style << " at " << s.x << "," << s.y;
  }
  EXPECT_EQ(0, PaintWallpaperPreview(&target, "", 0));
  SelectObject(dc, old);
  DeleteObject(bits);
  DeleteDC(dc);
  ReleaseDC(NULL, screen);
}

}  // namespace
