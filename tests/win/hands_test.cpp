// The hands and the information line as drawn into the back buffer.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "app_harness.h"
#include "face/hand_geometry.h"
#include "face_frames.h"
#include "res/resource.h"

namespace {

const COLORREF RED = RGB(255, 0, 0), GREEN = RGB(0, 255, 0), BLUE = RGB(0, 0, 255),
               YELLOW = RGB(255, 255, 0), CYAN = RGB(0, 255, 255), ORANGE = RGB(255, 128, 0),
               WHITE = RGB(255, 255, 255), BLACK = RGB(0, 0, 0);

// Hour red on green, minute blue on yellow, second cyan on orange.
const char COLOURS[] =
    "[OBJECT]\r\nHCOL=255\r\nHCOLB=65280\r\nMCOL=16711680\r\nMCOLB=65535\r\n"
    "SCOL=16776960\r\nSCOLB=33023\r\n";

// Drawn by the pens, pixel for pixel, for the tests that count colours.
std::string ColouredHands(const char* more = "") {
  return std::string(COLOURS) + "SMOOTH=0\r\n" + more;
}

void Command(const InProcessClock& clock, WORD id) {
  SendMessageA(clock.Window(), WM_COMMAND, id, 0);
}

TEST(Hands, ColoursOutlinesAndBoldLinesOnACleanFaceEachSecond) {
  TempDataFolder folder;
  folder.WriteIni(ColouredHands());
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  clock.TickAt(9, 30, 10);
  clock.TickAt(3, 0, 40);
  BackBuffer thin;
  // Hour bar to three, minute bar to twelve, second line to eight.
  EXPECT_EQ(GREEN, thin.At(130, 100));
  EXPECT_EQ(YELLOW, thin.At(100, 60));
  EXPECT_EQ(2, thin.Count(RED, 130, 90, 131, 110));
  EXPECT_EQ(2, thin.Count(BLUE, 90, 60, 110, 61));
  int thinSecond = thin.Count(CYAN, 40, 101, 96, 140);
  EXPECT_GT(thinSecond, 40);
  EXPECT_EQ(0, thin.Count(ORANGE, 0, 0, 200, 200));  // a line has no fill
  // Nothing is left of the minute hand of 9:30:10, below the pivot.
  EXPECT_EQ(0, thin.ChangedPixels(95, 115, 106, 170));

  Command(clock, IDM_BOLD);
  clock.TickAt(3, 0, 41);
  clock.TickAt(3, 0, 40);
  BackBuffer bold;
  EXPECT_EQ(4, bold.Count(RED, 130, 90, 131, 110));
  EXPECT_EQ(4, bold.Count(BLUE, 90, 60, 110, 61));
  EXPECT_GE(bold.Count(CYAN, 40, 101, 96, 140) * 10, thinSecond * 18);
}

// The colours of the changed pixels that are none of the hands' own: the
// blends a smooth edge makes with the face and between outline and inside.
int BlendedColours(const BackBuffer& frame) {
  static const COLORREF own[] = {RED, GREEN, BLUE, YELLOW, CYAN, ORANGE};
  std::set<COLORREF> blends;
  for (int y = 0; y < 200; y++)
    for (int x = 0; x < 200; x++) {
      COLORREF c = frame.At(x, y);
      if (frame.ChangedPixels(x, y, x + 1, y + 1) && std::count(own, own + 6, c) == 0)
        blends.insert(c);
    }
  return (int)blends.size();
}

TEST(Hands, SmoothUnlessTheMenuTurnsItOffAndTheSettingIsKept) {
  TempDataFolder folder;
  folder.WriteIni(COLOURS);  // a file of before the setting: smooth
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  clock.TickAt(10, 8, 37);
  BackBuffer smooth;
  EXPECT_GT(BlendedColours(smooth), 20);
  EXPECT_EQ(GREEN, smooth.At(79, 86));  // the hour hand's inside, toward ten
  EXPECT_EQ(YELLOW, smooth.At(122, 80));  // the minute hand's, toward two

  Command(clock, IDM_SMOOTH_HANDS);
  EXPECT_EQ("0", folder.IniValue("OBJECT", "SMOOTH"));
  clock.TickAt(10, 8, 38);
  clock.TickAt(10, 8, 37);
  BackBuffer pens;
  EXPECT_EQ(0, BlendedColours(pens));
  EXPECT_GT(pens.DifferentFrom(smooth, 0, 0, 200, 200), 100);

  Command(clock, IDM_SMOOTH_HANDS);
  EXPECT_EQ("1", folder.IniValue("OBJECT", "SMOOTH"));
  clock.TickAt(10, 8, 38);
  clock.TickAt(10, 8, 37);
  EXPECT_EQ(0, BackBuffer().DifferentFrom(smooth, 0, 0, 200, 200));
}

TEST(Hands, HollowHandsAreOutlinesButBalloonsFillAndTheSecondOneFollowsTheSwitch) {
  TempDataFolder folder;
  folder.WriteIni(ColouredHands("NULLBRS=1\r\n"));
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  clock.TickAt(3, 0, 40);
  BackBuffer hollow;
  EXPECT_EQ(0, hollow.Count(GREEN, 0, 0, 200, 200) + hollow.Count(YELLOW, 0, 0, 200, 200));
  EXPECT_EQ(RED, hollow.At(130, 96));
  EXPECT_EQ(BLUE, hollow.At(97, 60));

  Command(clock, IDM_DESIGN_BALLOON);
  clock.TickAt(3, 0, 41);
  BackBuffer balloons;
  // Hour balloon at three, labelled in black; minute at twelve; second at eight.
  EXPECT_EQ(GREEN, balloons.At(172, 100));
  EXPECT_EQ(RED, balloons.At(158, 88));
  EXPECT_GT(balloons.Count(BLACK, 151, 93, 165, 107), 10);
  EXPECT_GT(balloons.Count(YELLOW, 88, 24, 112, 56), 100);
  EXPECT_GT(balloons.Count(ORANGE, 38, 117, 62, 141), 100);

  theApp.WriteSettingInt(Setting::hideSecondHand, 1);
  for (WORD design = IDM_DESIGN_SQUARE; design <= IDM_DESIGN_BALLOON; design++) {
    Command(clock, design);
    clock.TickAt(3, 0, 50 + design - IDM_DESIGN_SQUARE);
    BackBuffer f;
    EXPECT_EQ(0, f.Count(CYAN, 0, 0, 200, 200) + f.Count(ORANGE, 0, 0, 200, 200)) << design;
    EXPECT_GT(f.Count(RED, 0, 0, 200, 200), 20) << design;
  }
}

TEST(Hands, NoHandsForDesignsSixSevenOrUnknownAndNoToolsUntilOneIsChosen) {
  TempDataFolder folder;
  folder.WriteIni(ColouredHands("DESIGN=7\r\n"));
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  EXPECT_EQ(nullptr, theClock.hands.tools.hourPen);
  clock.TickAt(3, 0, 40);
  EXPECT_EQ(0, BackBuffer().ChangedPixels());
  for (int design : {6, 42}) {
    theClock.hands.SetDesign(design);
    clock.TickAt(3, 0, (WORD)(design % 60));
    EXPECT_EQ(0, BackBuffer().ChangedPixels()) << design;
  }
  Command(clock, IDM_DESIGN_NONE);
  clock.TickAt(3, 0, 43);
  EXPECT_EQ(40, theClock.hands.tools.hourLength);  // "none" keeps the last lengths
  Command(clock, IDM_DESIGN_SQUARE);
  clock.TickAt(3, 0, 44);
  EXPECT_GT(BackBuffer().ChangedPixels(), 500);
}

int SecondsUntilHidden(InProcessClock* clock, WORD* second) {
  for (int seconds = 1; seconds <= 20; seconds++) {
    clock->TickAt(3, 0, ++*second % 60);
    if (!theClock.hands.GetHandOption(3)) return seconds;
  }
  return 0;
}

TEST(Hands, AutoHideHidesAtTheNinthSecondAndTheCursorBringsThemBack) {
  TempDataFolder folder;
  folder.WriteIni("[OBJECT]\r\nNDHIDE=1\r\nDIGINFO=2\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  WORD second = 0;
  theClock.hands.RevealHands();
  EXPECT_EQ(9, SecondsUntilHidden(&clock, &second));
  // Frames between the seconds (a face changed, the time set) leave the count.
  theClock.hands.RevealHands();
  for (int i = 0; i < 20; i++) theClock.RequestRedraw();
  EXPECT_EQ(9, SecondsUntilHidden(&clock, &second));
  BackBuffer hidden;  // only the information line is left
  EXPECT_EQ(hidden.ChangedPixels(), hidden.ChangedPixels(65, 145, 136, 164));
  EXPECT_GT(hidden.ChangedPixels(), 200);

  SendMessageA(clock.Window(), WM_SETCURSOR, (WPARAM)clock.Window(),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(1, theClock.hands.GetHandOption(3));
  EXPECT_GT(BackBuffer().Count(WHITE, 100, 0, 200, 100), 100);  // redrawn at once
  EXPECT_EQ(9, SecondsUntilHidden(&clock, &second));

  // While a settings dialog is open the hands stay and the count waits.
  theClock.hands.RevealHands();
  int full = theClock.hands.autoHideCount;
  openDialog = DIALOG_BACKGROUND;
  EXPECT_EQ(0, SecondsUntilHidden(&clock, &second));
  EXPECT_EQ(full, theClock.hands.autoHideCount);
  openDialog = DIALOG_NONE;
}

TEST(InfoLine, AWhiteBoxWithBlackTextUnderTheHandsWhateverTheirColours) {
  TempDataFolder folder;
  folder.WriteIni(ColouredHands("DESIGN=7\r\nBOOLD=1\r\n"));
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  clock.TickAt(6, 30, 1);
  EXPECT_EQ(0, BackBuffer().ChangedPixels());  // no line: the face shows through
  for (int mode = 1; mode <= 6; mode++) {
    theClock.hands.ToggleHandOption(2, mode);
    clock.TickAt(6, 30, (WORD)(1 + mode));
    BackBuffer f;
    // Inside the outline, clear of the rounded corners.
    int white = f.Count(WHITE, 68, 147, 132, 161), black = f.Count(BLACK, 68, 147, 132, 161);
    EXPECT_GT(white, 600) << mode;
    EXPECT_EQ(mode <= 5, black > 20) << mode;  // no text outside the table
    EXPECT_EQ(0, f.Count(RED, 60, 140, 140, 170)) << mode;
    EXPECT_EQ(BLACK, f.At(65, 154)) << mode;
  }
  // The time changes only in its last digit; the hands pass over the box.
  Command(clock, IDM_INFO_TIME);
  Command(clock, IDM_DESIGN_SQUARE);
  clock.TickAt(6, 30, 10);
  BackBuffer a;
  clock.TickAt(6, 30, 11);
  BackBuffer b;
  EXPECT_GT(b.DifferentFrom(a, 114, 146, 134, 162), 5);
  EXPECT_EQ(0, b.DifferentFrom(a, 66, 146, 114, 162));
  EXPECT_GT(a.Count(GREEN, 66, 146, 134, 162) + a.Count(YELLOW, 66, 146, 134, 162), 20);
  EXPECT_EQ("2", folder.IniValue("OBJECT", "DIGINFO"));
}

// The box round the pixels darker than mid grey in [left, right) x [top, bottom).
RECT DarkBox(const BackBuffer& f, int left, int top, int right, int bottom) {
  RECT box = {right, bottom, left, top};
  for (int y = top; y < bottom; y++)
    for (int x = left; x < right; x++) {
      COLORREF c = f.At(x, y);
      if (GetRValue(c) + GetGValue(c) + GetBValue(c) >= 384) continue;
      box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                 std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
    }
  return box;
}

// Small sizes of the test's font are drawn without greys, as it asks; at
// 192 DPI the smooth text blends its edges.
TEST(InfoLine, SmoothTextStandsWhereThePensTextDoes) {
  TempDataFolder folder;
  folder.WriteIni(ColouredHands("DESIGN=7\r\nDIGINFO=1\r\n"));
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  for (int scale = 1; scale <= 2; scale++) {
    theClock.SetScale(96 * scale);
    clock.TickAt(12, 30, 1);
    BackBuffer smooth;
    Command(clock, IDM_SMOOTH_HANDS);
    clock.TickAt(12, 30, 2);
    BackBuffer pens;
    Command(clock, IDM_SMOOTH_HANDS);
    int left = 68 * scale, top = 147 * scale, right = 132 * scale, bottom = 161 * scale;
    RECT a = DarkBox(smooth, left, top, right, bottom), b = DarkBox(pens, left, top, right, bottom);
    EXPECT_GT(a.right - a.left, 40 * scale);
    EXPECT_NEAR(a.left, b.left, 1) << scale;
    EXPECT_NEAR(a.right, b.right, 1) << scale;
    EXPECT_NEAR(a.top, b.top, 1) << scale;
    EXPECT_NEAR(a.bottom, b.bottom, 1) << scale;
    int grey = 0;
    for (int y = a.top; y < a.bottom; y++)
      for (int x = a.left; x < a.right; x++) {
        COLORREF c = smooth.At(x, y);
        grey += c != BLACK && c != WHITE;
      }
    EXPECT_EQ(scale == 2, grey > 20) << grey;
  }
}

// Machines without SSE2 draw from the x87 build of the outlines: every
// point of every design at every second, at three DPIs, stays within a
// pixel of the exact build's, and nearly every frame is the same.
TEST(Hands, OutlinesWithoutSse2StayWithinAPixelOfTheExactOnes) {
#ifndef __i386__
  GTEST_SKIP() << "every x86_64 processor runs SSE2: the outlines have one build";
#else
  for (int design = DESIGN_SQUARE; design <= DESIGN_BALLOON; design++) {
    HandLengths lengths;
    DesignLengths(design, &lengths);
    for (int dpi : {96, 144, 192}) {
      int frames = 0, same = 0;
      for (int hour = 0; hour < 24; hour++)
        for (int minute = 0; minute < 60; minute++)
          for (int second = 0; second < 60; second++) {
            HandFrame exact = {}, x87 = {};
            ComputeHands(design, &lengths, HandPoint{100, 100}, hour, minute, second, &exact, dpi);
            ComputeHandsX87(design, &lengths, HandPoint{100, 100}, hour, minute, second, &x87, dpi);
            int worst = 0;
            for (int h = 0; h < 3; h++) {
              const HandShape* a = &(&exact.hour)[h];
              const HandShape* b = &(&x87.hour)[h];
              ASSERT_EQ(a->kind, b->kind);
              for (int i = 0; i < a->count; i++)
                worst = std::max({worst, abs(a->points[i].x - b->points[i].x),
                                  abs(a->points[i].y - b->points[i].y)});
              worst =
                  std::max({worst, abs(a->center.x - b->center.x), abs(a->center.y - b->center.y)});
            }
            ASSERT_LE(worst, 1) << design << " " << dpi << " " << hour << ":" << minute << ":"
                                << second;
            frames++;
            same += worst == 0;
          }
      EXPECT_GE(same * 100, frames * 99) << "design " << design << " at " << dpi;
    }
  }
#endif
}

}  // namespace
