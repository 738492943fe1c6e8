// The clock moved to monitors of other DPIs, as Windows tells it with
// WM_DPICHANGED: its size, its outline and its hands follow the scale,
// and back at 96 DPI every pixel is as before.
#include <gtest/gtest.h>

#include "app_harness.h"
#include "face/hand_geometry.h"
#include "face_frames.h"

namespace {

const COLORREF GREEN = RGB(0, 255, 0), YELLOW = RGB(255, 255, 0), CYAN = RGB(0, 255, 255);

HandPoint Middle(const HandShape& s) {
  HandPoint m = {0, 0};
  for (int i = 0; i < s.count; i++) m = HandPoint{m.x + s.points[i].x, m.y + s.points[i].y};
  return HandPoint{m.x / s.count, m.y / s.count};
}

TEST(Dpi, TheClockFollowsEachDpiAndComesBackToTheSamePixels) {
  TempDataFolder folder;
  // Hour fill green, minute fill yellow, second line cyan; the time shown.
  folder.WriteIni("[IMAGE]\r\nLAST_NUM=0\r\n[OBJECT]\r\nHCOLB=65280\r\nMCOLB=65535\r\n"
                  "SCOL=16776960\r\nDIGINFO=2\r\nSMOOTH=0\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  HWND w = clock.Window();
  clock.TickAt(3, 0, 40);
  BackBuffer before;
  ClockOutline disc;
  ASSERT_TRUE(LoadClockOutline((BuildPath("data") + "\\ZENTICK.rgn").c_str(), &disc));

  for (int dpi : {120, 144, 192, 96}) {
    SCOPED_TRACE(dpi);
    int side = MulDiv(200, dpi, 96);
    RECT was;
    GetWindowRect(w, &was);
    RECT suggested = {was.left + 10, was.top + 20, was.left + 10 + side, was.top + 20 + side};
    SendMessageA(w, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), (LPARAM)&suggested);
    RECT now;
    GetWindowRect(w, &now);
    EXPECT_TRUE(EqualRect(&suggested, &now));
    HRGN shown = CreateRectRgn(0, 0, 0, 0), scaled;
    ASSERT_NE(ERROR, GetWindowRgn(w, shown));
    WindowShape size;
    ASSERT_NE(nullptr, scaled = OutlineRegion(&disc, dpi, &size));
    EXPECT_TRUE(EqualRgn(shown, scaled));
    DeleteObject(shown);
    DeleteObject(scaled);

    clock.TickAt(3, 0, 41);
    clock.TickAt(3, 0, 40);
    BackBuffer f;
    ASSERT_EQ(side, theClock.faceWidth);
    HandLengths lengths;
    DesignLengths(DESIGN_SQUARE, &lengths);
    int pivot = MulDiv(HAND_PIVOT, dpi, 96);
    HandFrame model;
    ComputeHands(DESIGN_SQUARE, &lengths, HandPoint{pivot, pivot}, 3, 0, 40, &model, dpi);
    HandPoint hour = Middle(model.hour), minute = Middle(model.minute);
    HandPoint second = Middle(model.second);
    EXPECT_EQ(GREEN, f.At(hour.x, hour.y));
    EXPECT_EQ(YELLOW, f.At(minute.x, minute.y));
    EXPECT_GT(f.Count(CYAN, second.x - 1, second.y - 1, second.x + 2, second.y + 2), 0);
    // The information line's box, white inside, below the pivot.
    EXPECT_EQ(RGB(255, 255, 255), f.At(MulDiv(67, dpi, 96), MulDiv(160, dpi, 96)));
    // The dial on both sides of the pivot: the picture stretched whole.
    EXPECT_EQ(RGB(0, 0, 0), f.At(side + MulDiv(40, dpi, 96), pivot));
    EXPECT_EQ(RGB(0, 0, 0), f.At(side + MulDiv(160, dpi, 96), pivot));
  }
  EXPECT_EQ(0, BackBuffer().DifferentFrom(before, 0, 0, 400, 200));
  FreeClockOutline(&disc);
}

}  // namespace
