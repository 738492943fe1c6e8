// The running clock as it appears on the screen.
#include <gtest/gtest.h>

#include <math.h>

#include <vector>

#include "win_support.h"
#include "res/resource.h"

namespace {

const COLORREF WHITE = RGB(255, 255, 255);

// The clock's square of the screen.
struct Screenshot {
  std::vector<COLORREF> pixels;
  explicit Screenshot(HWND clock) : pixels(200 * 200) {
    RECT r;
    GetWindowRect(clock, &r);
    HDC screen = GetDC(NULL), dc = CreateCompatibleDC(screen);
    HBITMAP copy = CreateCompatibleBitmap(screen, 200, 200);
    HGDIOBJ old = SelectObject(dc, copy);
    BitBlt(dc, 0, 0, 200, 200, screen, r.left, r.top, SRCCOPY);
    for (int i = 0; i < 200 * 200; i++) pixels[i] = GetPixel(dc, i % 200, i / 200);
    SelectObject(dc, old);
    DeleteObject(copy);
    DeleteDC(dc);
    ReleaseDC(NULL, screen);
  }
  COLORREF At(int x, int y) const { return pixels[y * 200 + x]; }
  int WhiteNearPivot(double radius) const {
    int n = 0;
    for (int i = 0; i < 200 * 200; i++)
      n += hypot(i % 200 - 100, i / 200 - 100) < radius && pixels[i] == WHITE;
    return n;
  }
};

// The clock's square once it passes check, or as it stands after 5 s.
Screenshot WhenShown(HWND clock, bool (*check)(const Screenshot&)) {
  DWORD start = GetTickCount();
  for (;;) {
    Screenshot s(clock);
    if (check(s) || GetTickCount() - start > 5000) return s;
    PumpFor(50);
  }
}

bool BuiltinFaceShown(const Screenshot& s) {
  return s.At(100, 0) == WHITE && s.At(40, 100) == RGB(0, 0, 0);
}
bool HandsShown(const Screenshot& s) { return BuiltinFaceShown(s) && s.WhiteNearPivot(70) > 80; }
bool TimeLineShown(const Screenshot& s) { return s.At(70, 154) == WHITE; }
bool TimeLineWithoutHands(const Screenshot& s) {
  return BuiltinFaceShown(s) && TimeLineShown(s) && s.WhiteNearPivot(40) < 10;
}

void ExpectBuiltinFace(const Screenshot& s) {
  EXPECT_EQ(WHITE, s.At(100, 0));         // the rim, at the region's edge
  EXPECT_EQ(RGB(0, 0, 0), s.At(123, 12));  // the dial reaches it: no magenta ring
  EXPECT_EQ(RGB(0, 0, 0), s.At(40, 100));
}

TEST(Face, TheBuiltinFaceWithItsHandsAndTheMenuSettingsAcrossARestart) {
  TempDataFolder folder;
  folder.InstallClock();
  // A stored skin index: no start-up pick among the sample skins.
  folder.WriteIni("[IMAGE]\r\nLAST_NUM=0\r\n");
  ClockProcess clock;
  ASSERT_TRUE(clock.Start(folder.ExePath()));
  Screenshot first = WhenShown(clock.Window(), HandsShown);
  ExpectBuiltinFace(first);
  EXPECT_GT(first.WhiteNearPivot(70), 80);  // default hands: white inside

  SendMessageA(clock.Window(), WM_COMMAND, IDM_DESIGN_NONE, 0);  // no hands
  SendMessageA(clock.Window(), WM_COMMAND, IDM_INFO_TIME, 0);    // the time
  EXPECT_EQ(WHITE, WhenShown(clock.Window(), TimeLineShown).At(70, 154));
  clock.Close();

  ClockProcess again;
  ASSERT_TRUE(again.Start(folder.ExePath()));
  Screenshot restarted = WhenShown(again.Window(), TimeLineWithoutHands);
  ExpectBuiltinFace(restarted);
  EXPECT_EQ(WHITE, restarted.At(70, 154));
  EXPECT_LT(restarted.WhiteNearPivot(40), 10);
}

}  // namespace
