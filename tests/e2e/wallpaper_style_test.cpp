// The wallpaper utility's style box and preview in the real clock, with
// Wine reporting an older and a newer Windows, for every style value the
// desktop may hold.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin_support.h"
#include "win_support.h"

namespace {

const char kDesktopKey[] = "Control Panel\\desktop";

// The Windows version Wine reports to Zentick.exe while this lives.
class ReportedWindows {
 public:
  explicit ReportedWindows(const char* version) {
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Zentick.exe", 0, NULL, 0,
                    KEY_ALL_ACCESS, NULL, &key_, NULL);
    RegSetValueExA(key_, "Version", 0, REG_SZ, (const BYTE*)version, lstrlenA(version) + 1);
  }
  ~ReportedWindows() {
    RegDeleteValueA(key_, "Version");
    RegCloseKey(key_);
  }

 private:
  HKEY key_ = NULL;
};

std::string DesktopValue(const char* name) {
  char text[16] = "";
  DWORD size = sizeof text;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, KEY_READ, &key)) return "";
  RegQueryValueExA(key, name, NULL, NULL, (BYTE*)text, &size);
  RegCloseKey(key);
  return text;
}

void SetDesktopStyle(int tile, int style) {
  HKEY key;
  RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, NULL, 0, KEY_WRITE, NULL, &key, NULL);
  for (auto value : {std::make_pair("TileWallpaper", tile), std::make_pair("WallpaperStyle", style)}) {
    std::string text = std::to_string(value.second);
    RegSetValueExA(key, value.first, 0, REG_SZ, (const BYTE*)text.c_str(), (DWORD)text.size() + 1);
  }
  RegCloseKey(key);
}

// The desktop's style and wallpaper, put back as they were.
class DesktopKept {
 public:
  DesktopKept() : tile_(DesktopValue("TileWallpaper")), style_(DesktopValue("WallpaperStyle")) {
    SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof wallpaper_, wallpaper_, 0);
  }
  ~DesktopKept() {
    SetDesktopStyle(atoi(tile_.c_str()), atoi(style_.c_str()));
    SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, wallpaper_, SPIF_UPDATEINIFILE);
  }

 private:
  std::string tile_, style_;
  char wallpaper_[MAX_PATH] = "";
};

enum Look { CENTRED, TILED, STRETCHED, FITTED, FILLED };
const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255),
               kYellow = RGB(255, 255, 0), kDesktop = 1;
// Four points of the 1024 by 768 screen's miniature and what each look
// puts there: centre shows the middle of the bands at a fifth of their
// size, tiling repeats that down, stretch and fit show all four bands
// (fit between bars), fill and span their middle half.
const POINT kSpots[4] = {{10, 10}, {10, 72}, {180, 72}, {40, 72}};
const COLORREF kLooks[][4] = {{kDesktop, kRed, kYellow, kGreen},
                              {kRed, kRed, kYellow, kGreen},
                              {kRed, kRed, kYellow, kRed},
                              {kDesktop, kRed, kYellow, kRed},
                              {kGreen, kGreen, kBlue, kGreen}};

struct Preview {
  HWND dialog;
  Look look;
};

COLORREF SpotOnScreen(HWND dialog, int spot) {
  // The miniature's picture stands at (2, 1) of the client area.
  POINT p = {2 + kSpots[spot].x, 1 + kSpots[spot].y};
  ClientToScreen(dialog, &p);
  return ScreenPixel(p.x, p.y);
}

bool Shows(void* context) {
  const Preview* p = (const Preview*)context;
  COLORREF desktop = GetSysColor(COLOR_BACKGROUND) & 0xFFFFFF;
  for (int i = 0; i < 4; i++) {
    COLORREF want = kLooks[p->look][i] == kDesktop ? desktop : kLooks[p->look][i];
    if (SpotOnScreen(p->dialog, i) != want) return false;
  }
  return true;
}

std::string Seen(HWND dialog) {
  std::string seen;
  for (int i = 0; i < 4; i++) {
    char text[16];
    wsprintfA(text, " %06lX", (unsigned long)SpotOnScreen(dialog, i));
    seen += text;
  }
  return seen;
}

struct Box {
  std::vector<std::string> entries;
  int selected;
};

Box ReadBox(HWND combo) {
  Box box = {{}, (int)SendMessageA(combo, CB_GETCURSEL, 0, 0)};
  int n = (int)SendMessageA(combo, CB_GETCOUNT, 0, 0);
  // Asked in UTF-16, which the system converts between processes.
  for (int i = 0; i < n; i++) {
    wchar_t wide[64] = L"";
    char text[128] = "";
    if (SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) < 64) SendMessageW(combo, CB_GETLBTEXT, i, (LPARAM)wide);
    WideCharToMultiByte(932, 0, wide, -1, text, sizeof text, NULL, NULL);
    box.entries.push_back(text);
  }
  return box;
}

HWND OpenWallpaperDialog(const ClockProcess& clock) {
  PostMessageA(clock.Window(), WM_COMMAND, IDM_WALLPAPER, 0);
  return WaitForCaption(clock.Id(), "壁紙の変更", 10000);
}

void CloseWithOk(HWND dialog) {
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(PumpUntil(WindowGone, dialog, 10000));
}

const std::vector<std::string> kOlder = {"中央に表示", "並べて表示", "拡大"};
const std::vector<std::string> kNewer = {"中央に表示",             "並べて表示",
                                         "拡大",                   "画面のサイズに合わせる",
                                         "ページ幅に合わせる",     "スパン"};

TEST(WallpaperStyles, BoxAndPreviewForEveryValueOnOlderAndNewerWindows) {
  DesktopKept desktop;
  TempDataFolder folder;
  folder.InstallClock();
  std::string picture = folder.Root() + "bands.bmp";
  ASSERT_TRUE(WriteFileBytes(picture, BandedBitmap()));
  // The preview opens on the wallpaper set last.
  folder.WriteIni("[WALLPAPER]\r\nLAST_FILE=" + picture + "\r\n");
  struct Case {
    int tile, style;
    int entryXp, entry10;  // -1: the stranger's entry after the known ones
    Look lookXp, look10;
  } cases[] = {
      {0, 0, 0, 0, CENTRED, CENTRED},   {1, 0, 1, 1, TILED, TILED},
      {0, 2, 2, 2, STRETCHED, STRETCHED}, {0, 6, -1, 3, CENTRED, FITTED},
      {0, 10, -1, 4, CENTRED, FILLED},  {0, 22, -1, 5, CENTRED, FILLED},
      {0, 7, -1, -1, CENTRED, CENTRED},
  };
  for (const char* version : {"winxp", "win10"}) {
    SCOPED_TRACE(version);
    bool newer = version[3] == '1';
    const std::vector<std::string>& known = newer ? kNewer : kOlder;
    ReportedWindows reported(version);
    ClockProcess clock;
    ASSERT_TRUE(clock.Start(folder.ExePath()));
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << "TileWallpaper " << c.tile << ", WallpaperStyle " << c.style);
      SetDesktopStyle(c.tile, c.style);
      HWND dialog = OpenWallpaperDialog(clock);
      ASSERT_NE(nullptr, dialog);
      Box box = ReadBox(GetDlgItem(dialog, IDC_STYLE));
      std::vector<std::string> expected = known;
      int entry = newer ? c.entry10 : c.entryXp;
      if (entry < 0) {
        entry = (int)known.size();
        expected.push_back("不明なスタイル (" + std::to_string(c.style) + ")");
      }
      EXPECT_EQ(expected, box.entries);
      EXPECT_EQ(entry, box.selected);
      Preview preview = {dialog, newer ? c.look10 : c.lookXp};
      EXPECT_TRUE(WaitUntil(Shows, &preview, 3000)) << Seen(dialog);
      // Closing on the style in place leaves it as it was.
      CloseWithOk(dialog);
      EXPECT_EQ(std::to_string(c.tile), DesktopValue("TileWallpaper"));
      EXPECT_EQ(std::to_string(c.style), DesktopValue("WallpaperStyle"));
    }
    // Another entry: redrawn at once, written as Windows writes it at OK.
    HWND dialog = OpenWallpaperDialog(clock);
    ASSERT_NE(nullptr, dialog);
    HWND combo = GetDlgItem(dialog, IDC_STYLE);
    int chosen = newer ? 4 : 1;
    SendMessageA(combo, CB_SETCURSEL, chosen, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_STYLE, CBN_SELCHANGE), (LPARAM)combo);
    Preview preview = {dialog, newer ? FILLED : TILED};
    EXPECT_TRUE(WaitUntil(Shows, &preview, 3000)) << Seen(dialog);
    CloseWithOk(dialog);
    EXPECT_EQ(newer ? "0" : "1", DesktopValue("TileWallpaper"));
    EXPECT_EQ(newer ? "10" : "0", DesktopValue("WallpaperStyle"));
    clock.Close();
  }
}

}  // namespace
