// The running clock as it appears on the screen.
#include <gtest/gtest.h>

#include <math.h>

#include <vector>

#include "win_support.h"

namespace {

const COLORREF MAGENTA = RGB(255, 0, 255), WHITE = RGB(255, 255, 255), BLACK = RGB(0, 0, 0);

// The clock's 200 x 200 square of the screen.
class Screenshot {
 public:
  explicit Screenshot(HWND clock) : pixels_(200 * 200) {
    RECT r;
    GetWindowRect(clock, &r);
    HDC screen = GetDC(NULL);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP copy = CreateCompatibleBitmap(screen, 200, 200);
    HGDIOBJ old = SelectObject(dc, copy);
    BitBlt(dc, 0, 0, 200, 200, screen, r.left, r.top, SRCCOPY);
    for (int y = 0; y < 200; y++)
      for (int x = 0; x < 200; x++) pixels_[y * 200 + x] = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(copy);
    DeleteDC(dc);
    ReleaseDC(NULL, screen);
  }
  COLORREF At(int x, int y) const { return pixels_[y * 200 + x]; }
  // Pixels of the colour within the radius of the pivot.
  int CountNearPivot(COLORREF colour, double radius) const {
    int n = 0;
    for (int y = 0; y < 200; y++)
      for (int x = 0; x < 200; x++)
        n += hypot(x - 100, y - 100) < radius && At(x, y) == colour;
    return n;
  }

 private:
  std::vector<COLORREF> pixels_;
};

void ExpectBuiltinFace(const Screenshot& s) {
  EXPECT_EQ(MAGENTA, s.At(123, 12));  // the ring between 12 and 1
  EXPECT_EQ(WHITE, s.At(100, 21));    // the rim
  EXPECT_EQ(BLACK, s.At(40, 100));    // the dial
}

TEST(Face, TheBuiltinFaceWithItsHandsAndTheMenuSettingsAcrossARestart) {
  TempDataFolder folder;
  folder.InstallClock();
  ClockProcess clock;
  ASSERT_TRUE(clock.Start(folder.ExePath()));
  PumpFor(1500);
  Screenshot first(clock.Window());
  ExpectBuiltinFace(first);
  // Default hands: white inside black outlines, on the black dial.
  EXPECT_GT(first.CountNearPivot(WHITE, 70), 80);

  // No hands, the time below the pivot.
  SendMessageA(clock.Window(), WM_COMMAND, 40011, 0);
  SendMessageA(clock.Window(), WM_COMMAND, 40028, 0);
  PumpFor(1500);
  Screenshot chosen(clock.Window());
  EXPECT_EQ(WHITE, chosen.At(70, 154));
  EXPECT_LT(chosen.CountNearPivot(WHITE, 40), 10);
  clock.Close();
  EXPECT_EQ("7", folder.IniValue("OBJECT", "DESIGN"));
  EXPECT_EQ("2", folder.IniValue("OBJECT", "DIGINFO"));

  ClockProcess again;
  ASSERT_TRUE(again.Start(folder.ExePath()));
  PumpFor(1500);
  Screenshot restarted(again.Window());
  ExpectBuiltinFace(restarted);
  EXPECT_EQ(WHITE, restarted.At(70, 154));
  EXPECT_LT(restarted.CountNearPivot(WHITE, 40), 10);
}

}  // namespace
