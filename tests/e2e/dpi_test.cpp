// The real clock started at the system DPIs of today's scaled screens
// (LogPixels 96, 120, 144, 192) and at each size and opacity the user can
// choose: its window, its outline and its face.
#include <gtest/gtest.h>

#include <vector>

#include "face/region.h"
#include "win_support.h"

namespace {

// The value the system DPI is read from, set for the clocks started while
// it lives and put back as it was, so no other test sees the change.
class SystemDpi {
 public:
  explicit SystemDpi(DWORD dpi) {
    RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, NULL, 0, KEY_ALL_ACCESS, NULL,
                    &key_, NULL);
    DWORD size = sizeof old_;
    had_ = RegQueryValueExA(key_, "LogPixels", NULL, NULL, (BYTE*)&old_, &size) == ERROR_SUCCESS;
    RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, (const BYTE*)&dpi, sizeof dpi);
  }
  ~SystemDpi() {
    if (had_) RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, (const BYTE*)&old_, sizeof old_);
    else RegDeleteValueA(key_, "LogPixels");
    RegCloseKey(key_);
  }

 private:
  HKEY key_ = NULL;
  DWORD old_ = 0;
  bool had_ = false;
};

// The window's square of the screen, and the built-in face as drawn at 96 DPI.
std::vector<COLORREF> Pixels(HDC source, int left, int top, int side) {
  HDC dc = CreateCompatibleDC(source);
  HBITMAP copy = CreateCompatibleBitmap(source, side, side);
  HGDIOBJ old = SelectObject(dc, copy);
  BitBlt(dc, 0, 0, side, side, source, left, top, SRCCOPY);
  std::vector<COLORREF> pixels(side * side);
  for (int i = 0; i < side * side; i++) pixels[i] = GetPixel(dc, i % side, i / side);
  SelectObject(dc, old);
  DeleteObject(copy);
  DeleteDC(dc);
  return pixels;
}

int Brightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

TEST(HighDpi, EachSystemDpiGivesTheScaledWindowOutlineAndAWholeFace) {
  ClockOutline disc;
  ASSERT_TRUE(LoadClockOutline((BuildPath("data") + "\\ZENTICK.rgn").c_str(), &disc));
  HBITMAP face = LoadBitmapA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDB_BUILTIN_FACE));
  HDC faceDC = CreateCompatibleDC(NULL);
  HGDIOBJ oldFace = SelectObject(faceDC, face);
  std::vector<COLORREF> builtin = Pixels(faceDC, 0, 0, 200);
  for (int dpi : {96, 120, 144, 192}) {
    SCOPED_TRACE(dpi);
    SystemDpi system(dpi);
    TempDataFolder folder;
    folder.InstallClock();
    // No hands, no line: the face alone.
    folder.WriteIni("[IMAGE]\r\nLAST_NUM=0\r\n[OBJECT]\r\nDESIGN=7\r\n");
    ClockProcess clock;
    ASSERT_TRUE(clock.Start(folder.ExePath()));
    PumpFor(800);
    HWND w = clock.Window();
    int side = MulDiv(200, dpi, 96);
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(side, r.right - r.left);
    EXPECT_EQ(side, r.bottom - r.top);
    HRGN shown = CreateRectRgn(0, 0, 0, 0), scaled;
    WindowShape size;
    ASSERT_NE(nullptr, scaled = OutlineRegion(&disc, dpi, &size));
    EXPECT_NE(ERROR, GetWindowRgn(w, shown));
    EXPECT_TRUE(EqualRgn(shown, scaled));

    HDC screen = GetDC(NULL);
    std::vector<COLORREF> window = Pixels(screen, r.left, r.top, side);
    ReleaseDC(NULL, screen);
    int differing = 0, bright = 0;
    for (int i = 0; i < side * side; i++) {
      if (!PtInRegion(scaled, i % side, i / side)) continue;
      if (dpi == 96) differing += window[i] != builtin[i];
      // The rim and numerals in the half that a face drawn for 96 DPI lacks.
      if (i / side >= 200 || i % side >= 200) bright += Brightness(window[i]) > 600;
    }
    EXPECT_EQ(0, differing);  // at 96 DPI, pixel for pixel the face as it was
    if (dpi > 96) {
      EXPECT_GT(bright, (side - 200) * 2);
    }
    DeleteObject(shown);
    DeleteObject(scaled);
    clock.Close();
  }
  SelectObject(faceDC, oldFace);
  DeleteDC(faceDC);
  DeleteObject(face);
  FreeClockOutline(&disc);
}

// The size multiplies the DPI; a hand-edited size or opacity out of range
// gives the normal clock.
TEST(HighDpi, EachSizeAndOpacityFromTheSettingsFile) {
  ClockOutline disc;
  ASSERT_TRUE(LoadClockOutline((BuildPath("data") + "\\ZENTICK.rgn").c_str(), &disc));
  const struct {
    int dpi, size, opacity, side;
  } cases[] = {{96, 50, 50, 100},  {96, 75, 60, 150},  {96, 100, 100, 200},  {96, 125, 70, 250},
               {96, 150, 80, 300}, {96, 200, 90, 400}, {120, 150, 100, 375}, {96, 1000, 5, 200}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.dpi << " DPI, size " << c.size << ", opacity " << c.opacity);
    SystemDpi system(c.dpi);
    TempDataFolder folder;
    folder.InstallClock();
    folder.WriteIni("[IMAGE]\r\nLAST_NUM=0\r\n[OBJECT]\r\nDESIGN=7\r\n[WINDOW]\r\nSIZE=" +
                    std::to_string(c.size) + "\r\nOPACITY=" + std::to_string(c.opacity) + "\r\n");
    ClockProcess clock;
    ASSERT_TRUE(clock.Start(folder.ExePath()));
    PumpFor(800);
    HWND w = clock.Window();
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(c.side, r.right - r.left);
    EXPECT_EQ(c.side, r.bottom - r.top);
    HRGN shown = CreateRectRgn(0, 0, 0, 0), scaled;
    WindowShape size;
    ASSERT_NE(nullptr, scaled = OutlineRegion(&disc, MulDiv(c.side, 96, 200), &size));
    EXPECT_NE(ERROR, GetWindowRgn(w, shown));
    EXPECT_TRUE(EqualRgn(shown, scaled));
    if (c.opacity >= 50 && c.opacity < 100) {
      EXPECT_NEAR(c.opacity * 255 / 100, LayeredAlpha(w), 1);
    } else {
      EXPECT_EQ(-1, LayeredAlpha(w));
    }
    // The face fills the window: its rim and numerals in every quarter.
    HDC screen = GetDC(NULL);
    std::vector<COLORREF> window = Pixels(screen, r.left, r.top, c.side);
    ReleaseDC(NULL, screen);
    int bright[4] = {};
    for (int i = 0; i < c.side * c.side; i++) {
      int x = i % c.side, y = i / c.side;
      if (PtInRegion(scaled, x, y) && Brightness(window[i]) > 600)
        bright[2 * (y >= c.side / 2) + (x >= c.side / 2)]++;
    }
    for (int quarter : bright) EXPECT_GT(quarter, c.side / 4);
    DeleteObject(shown);
    DeleteObject(scaled);
    clock.Close();
  }
  FreeClockOutline(&disc);
}

}  // namespace
