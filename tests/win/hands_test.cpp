// The hands and the information line as drawn into the back buffer.
#include <gtest/gtest.h>

#include <string>

#include "app_harness.h"
#include "face_frames.h"

namespace {

const COLORREF RED = RGB(255, 0, 0), GREEN = RGB(0, 255, 0), BLUE = RGB(0, 0, 255),
               YELLOW = RGB(255, 255, 0), CYAN = RGB(0, 255, 255), ORANGE = RGB(255, 128, 0),
               WHITE = RGB(255, 255, 255), BLACK = RGB(0, 0, 0);

// Hour red on green, minute blue on yellow, second cyan on orange.
std::string ColouredHands(const char* more = "") {
  return std::string("[OBJECT]\r\nHCOL=255\r\nHCOLB=65280\r\nMCOL=16711680\r\nMCOLB=65535\r\n"
                     "SCOL=16776960\r\nSCOLB=33023\r\n") + more;
}

void Command(const InProcessClock& clock, WORD id) {
  SendMessageA(clock.Window(), WM_COMMAND, id, 0);
}

TEST(Hands, SquareHandsInTheirColoursAndNothingElseChanges) {
  TempDataFolder folder;
  folder.WriteIni(ColouredHands());
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  clock.TickAt(3, 0, 40);
  BackBuffer f;
  // Hour bar to the right: outline on its long sides, fill between.
  EXPECT_EQ(GREEN, f.At(130, 100));
  EXPECT_EQ(RED, f.At(130, 96));
  EXPECT_EQ(RED, f.At(130, 104));
  EXPECT_EQ(RED, f.At(150, 100));
  // Minute bar up to twelve.
  EXPECT_EQ(YELLOW, f.At(100, 60));
  EXPECT_EQ(BLUE, f.At(97, 60));
  // Second line towards eight; no fill of the second hand in this design.
  EXPECT_GT(f.Count(CYAN, 40, 101, 96, 140), 40);
  EXPECT_EQ(0, f.Count(ORANGE, 0, 0, 200, 200));
  // The lower right quarter is the face as it was.
  EXPECT_EQ(0, f.Count(RED, 110, 110, 200, 200) + f.Count(GREEN, 110, 110, 200, 200));
}

TEST(Hands, EachRedrawStartsFromTheCleanFace) {
  TempDataFolder folder;
  folder.WriteIni(ColouredHands());
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  clock.TickAt(3, 0, 40);
  clock.TickAt(9, 30, 10);
  BackBuffer f;
  // The three o'clock hour hand and the eight o'clock second line are gone.
  EXPECT_EQ(0, f.Count(GREEN, 120, 90, 160, 110));
  EXPECT_EQ(0, f.Count(CYAN, 40, 110, 96, 140));
  EXPECT_GT(f.Count(GREEN, 50, 90, 90, 115), 50);
}

TEST(Hands, BoldLinesAreTwoPixelsWideForEveryHand) {
  TempDataFolder folder;
  folder.WriteIni(ColouredHands());
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  clock.TickAt(3, 0, 40);
  BackBuffer thin;
  Command(clock, 40024);
  clock.TickAt(3, 0, 41);
  clock.TickAt(3, 0, 40);
  BackBuffer bold;
  EXPECT_EQ(2, thin.Count(RED, 130, 90, 131, 110));
  EXPECT_EQ(4, bold.Count(RED, 130, 90, 131, 110));
  EXPECT_EQ(2, thin.Count(BLUE, 90, 60, 110, 61));
  EXPECT_EQ(4, bold.Count(BLUE, 90, 60, 110, 61));
  int thinSecond = thin.Count(CYAN, 40, 101, 96, 140), boldSecond = bold.Count(CYAN, 40, 101, 96, 140);
  EXPECT_GE(boldSecond * 10, thinSecond * 18);
  LOGPEN pen;
  GetObjectA(theClock.hands.secondPen, sizeof pen, &pen);
  EXPECT_EQ(2, pen.lopnWidth.x);
}

TEST(Hands, HollowHandsAreOutlinesExceptTheBalloons) {
  TempDataFolder folder;
  folder.WriteIni(ColouredHands("NULLBRS=1\r\n"));
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  clock.TickAt(3, 0, 40);
  BackBuffer hollow;
  EXPECT_EQ(hollow.At(330, 100), hollow.At(130, 100));
  EXPECT_EQ(0, hollow.Count(GREEN, 0, 0, 200, 200));
  EXPECT_EQ(0, hollow.Count(YELLOW, 0, 0, 200, 200));
  EXPECT_EQ(RED, hollow.At(130, 96));
  EXPECT_EQ(BLUE, hollow.At(97, 60));
  Command(clock, 40009);
  clock.TickAt(3, 0, 41);
  BackBuffer balloons;
  EXPECT_GT(balloons.Count(GREEN, 146, 88, 178, 112), 100);
  EXPECT_GT(balloons.Count(YELLOW, 88, 24, 112, 56), 100);
}

TEST(Hands, BalloonsCarryTheirLabelsAndTheSecondOneGoesWithTheSecondHand) {
  TempDataFolder folder;
  folder.WriteIni(ColouredHands("DESIGN=5\r\n"));
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  clock.TickAt(3, 0, 40);
  BackBuffer f;
  // Hour balloon at three: pointer and circle filled, outlined, labelled.
  EXPECT_EQ(GREEN, f.At(172, 100));
  EXPECT_EQ(GREEN, f.At(148, 100));
  EXPECT_EQ(RED, f.At(158, 88));
  EXPECT_GT(f.Count(BLACK, 151, 93, 165, 107), 10);
  // Minute balloon at twelve, second balloon at eight in its own fill.
  EXPECT_EQ(YELLOW, f.At(100, 33));
  EXPECT_GT(f.Count(ORANGE, 38, 117, 62, 141), 100);
  EXPECT_GT(f.Count(BLACK, 43, 122, 57, 136), 10);

  theApp.nonSec = 1;
  clock.TickAt(3, 0, 41);
  BackBuffer noSecond;
  EXPECT_EQ(0, noSecond.Count(ORANGE, 0, 0, 200, 200));
  EXPECT_EQ(0, noSecond.Count(CYAN, 0, 0, 200, 200));
  EXPECT_EQ(GREEN, noSecond.At(172, 100));
}

TEST(Hands, WithoutTheSecondHandTheLineDesignsDrawNoLine) {
  TempDataFolder folder;
  folder.WriteIni(ColouredHands("NONSEC=1\r\n"));
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  for (WORD design = 40005; design <= 40008; design++) {
    Command(clock, design);
    clock.TickAt(3, 0, 40 + design - 40005);
    BackBuffer f;
    EXPECT_EQ(0, f.Count(CYAN, 0, 0, 200, 200)) << design;
    EXPECT_GT(f.Count(GREEN, 0, 0, 200, 200), 50) << design;
  }
}

TEST(Hands, TriangleDesignsKeepTheirShapes) {
  TempDataFolder folder;
  folder.WriteIni(ColouredHands("DESIGN=3\r\n"));
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  clock.TickAt(12, 15, 30);
  BackBuffer kite;
  // The hour kite leans 7.5 degrees past twelve, its tip at (107, 46).
  EXPECT_EQ(GREEN, kite.At(102, 80));
  EXPECT_EQ(kite.At(300, 40), kite.At(100, 40));
  Command(clock, 40008);
  clock.TickAt(3, 0, 0);
  BackBuffer arrow;
  // Three: the arrowhead from 10 to 55 pixels out; the second line starts
  // 10 pixels out, so the pivot itself shows the face.
  EXPECT_EQ(GREEN, arrow.At(125, 100));
  EXPECT_EQ(arrow.At(300, 100), arrow.At(100, 95));
  EXPECT_EQ(CYAN, arrow.At(100, 60));
}

TEST(Hands, DesignsSixAndSevenAndUnknownValuesDrawNothing) {
  TempDataFolder folder;
  folder.WriteIni(ColouredHands("DESIGN=42\r\n"));
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  clock.TickAt(3, 0, 40);
  EXPECT_EQ(0, BackBuffer().ChangedPixels());
  Command(clock, 40010);
  clock.TickAt(3, 0, 41);
  EXPECT_EQ(0, BackBuffer().ChangedPixels());
  EXPECT_EQ(40, theClock.hands.hourLength);
  Command(clock, 40011);
  clock.TickAt(3, 0, 42);
  EXPECT_EQ(0, BackBuffer().ChangedPixels());
  EXPECT_EQ(40, theClock.hands.hourLength);  // "none" keeps the last lengths
  Command(clock, 40005);
  clock.TickAt(3, 0, 43);
  EXPECT_GT(BackBuffer().ChangedPixels(), 500);
}

TEST(Hands, StartingWithNoHandsHasNoToolsUntilADesignIsChosen) {
  TempDataFolder folder;
  folder.WriteIni("[OBJECT]\r\nDESIGN=7\r\nDIGINFO=2\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  EXPECT_EQ(nullptr, theClock.hands.hourPen);
  clock.TickAt(3, 0, 40);
  BackBuffer infoOnly;
  EXPECT_GT(infoOnly.ChangedPixels(), 100);
  EXPECT_EQ(infoOnly.ChangedPixels(), infoOnly.ChangedPixels(65, 145, 136, 164));
  Command(clock, 40007);
  EXPECT_NE(nullptr, theClock.hands.hourPen);
}

int AutoHideRedraws(InProcessClock* clock, WORD* second) {
  for (int redraw = 1; redraw <= 20; redraw++) {
    clock->TickAt(3, 0, ++*second % 60);
    if (!theClock.hands.GetHandOption(3)) return redraw;
  }
  return 0;
}

TEST(Hands, AutoHideHidesOnTheTenthRedrawAndTheCursorBringsThemBack) {
  TempDataFolder folder;
  folder.WriteIni("[OBJECT]\r\nNDHIDE=1\r\nDIGINFO=2\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  WORD second = 0;
  theClock.hands.RevealHands();
  // The reveal's own redraw counts as the first.
  theClock.RedrawClock(&clockTime);
  EXPECT_EQ(9, AutoHideRedraws(&clock, &second));
  BackBuffer hidden;
  EXPECT_EQ(hidden.ChangedPixels(), hidden.ChangedPixels(65, 145, 136, 164));
  EXPECT_GT(hidden.Count(WHITE, 65, 145, 135, 163), 200);
  clock.TickAt(3, 0, 59);
  EXPECT_EQ(0, theClock.hands.GetHandOption(3));

  // The cursor over the clock reveals them and redraws at once.
  SendMessageA(clock.Window(), WM_SETCURSOR, (WPARAM)clock.Window(),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(1, theClock.hands.GetHandOption(3));
  EXPECT_GT(BackBuffer().Count(WHITE, 100, 0, 200, 200), 100);
  EXPECT_EQ(9, AutoHideRedraws(&clock, &second));

  // A settings dialog open keeps them shown without counting.
  theClock.hands.RevealHands();
  theApp.openDialog = 1;
  EXPECT_EQ(0, AutoHideRedraws(&clock, &second));
  EXPECT_EQ(10, theClock.hands.autoHideCount);
  theApp.openDialog = 0;
}

TEST(Hands, SwitchingAutoHideOffShowsTheHandsAgain) {
  TempDataFolder folder;
  folder.WriteIni("[OBJECT]\r\nNDHIDE=1\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  WORD second = 0;
  ASSERT_NE(0, AutoHideRedraws(&clock, &second));
  Command(clock, 40016);
  EXPECT_EQ("0", folder.IniValue("OBJECT", "NDHIDE"));
  clock.TickAt(4, 0, 0);
  EXPECT_EQ(1, theClock.hands.GetHandOption(3));
  EXPECT_GT(BackBuffer().ChangedPixels(), 100);
}

struct InfoBox {
  int white, black;
};

InfoBox BoxPixels(const BackBuffer& f) {
  // Inside the outline and clear of its rounded corners.
  int white = f.Count(WHITE, 68, 147, 132, 161), black = f.Count(BLACK, 68, 147, 132, 161);
  return {white, black};
}

TEST(InfoLine, EveryModeDrawsAWhiteBoxWithBlackTextWhateverTheHandColours) {
  TempDataFolder folder;
  folder.WriteIni(ColouredHands("DESIGN=7\r\nBOOLD=1\r\n"));
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  clock.TickAt(9, 5, 3);
  EXPECT_EQ(0, BackBuffer().ChangedPixels());  // mode 0: the face shows through
  for (int mode = 1; mode <= 5; mode++) {
    Command(clock, (WORD)(40026 + mode));
    clock.TickAt(9, 5, (WORD)(3 + mode));
    BackBuffer f;
    InfoBox box = BoxPixels(f);
    EXPECT_GT(box.white, 600) << mode;
    EXPECT_GT(box.black, 20) << mode;
    EXPECT_EQ(0, f.Count(RED, 60, 140, 140, 170)) << mode;
    EXPECT_EQ(BLACK, f.At(100, 145)) << mode;
    EXPECT_EQ(BLACK, f.At(65, 154)) << mode;
    EXPECT_EQ(std::to_string(mode), folder.IniValue("OBJECT", "DIGINFO"));
  }
  Command(clock, 40026);
  clock.TickAt(9, 5, 20);
  EXPECT_EQ(0, BackBuffer().ChangedPixels());
}

TEST(InfoLine, AModeOutsideTheTableDrawsTheEmptyBox) {
  TempDataFolder folder;
  folder.WriteIni("[OBJECT]\r\nDESIGN=7\r\nDIGINFO=9\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  clock.TickAt(9, 5, 3);
  InfoBox box = BoxPixels(BackBuffer());
  EXPECT_EQ(0, box.black);
  EXPECT_EQ(64 * 14, box.white);
}

TEST(InfoLine, TimeTextFollowsTheClockAndTheHandsPassOverIt) {
  TempDataFolder folder;
  folder.WriteIni(ColouredHands("DIGINFO=2\r\n"));
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  clock.TickAt(6, 30, 1);
  BackBuffer a;
  clock.TickAt(6, 30, 2);
  BackBuffer b;
  // Only the last digit changes.
  EXPECT_GT(b.DifferentFrom(a, 114, 146, 134, 162), 5);
  EXPECT_EQ(0, b.DifferentFrom(a, 66, 146, 114, 162));
  // At half past six the hour and minute hands lie across the box.
  EXPECT_GT(a.Count(GREEN, 66, 146, 134, 162) + a.Count(YELLOW, 66, 146, 134, 162), 20);
}

TEST(InfoLine, ProcessorAndMemoryFiguresAreReal) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  ClockHands& hands = theClock.hands;
  hands.GetCpuUsage();
  DWORD start = GetTickCount();
  volatile unsigned spin = 0;
  while (GetTickCount() - start < 500) spin = spin + 1;
  int busy = hands.GetCpuUsage();
  EXPECT_GT(busy, 5);
  EXPECT_LE(busy, 100);
  long long total = hands.GetMemoryValue(1), available = hands.GetMemoryValue(2);
  EXPECT_GT(total, 0);
  EXPECT_GT(available, 0);
  EXPECT_LE(available, total);
  long long load = hands.GetMemoryValue(3);
  EXPECT_GE(load, 0);
  EXPECT_LE(load, 100);
  EXPECT_EQ(-1, hands.GetMemoryValue(4));
}

}  // namespace
