// The hand settings: what the menu commands store, what a restart reads
// back, the menu marks, and the colour dialog.
#include <gtest/gtest.h>

#include <string>

#include "app_harness.h"
#include "app/globals.h"
#include "app/menus.h"

namespace {

void Command(const InProcessClock& clock, WORD id) {
  SendMessageA(clock.Window(), WM_COMMAND, id, 0);
}

// What a restart would read: a second record loaded from the same file.
ClockHands ReloadedHands() {
  ClockHands fresh = {};
  HDC dc = CreateCompatibleDC(NULL);
  fresh.InitHands(theApp.hwnd, dc, &theApp);
  fresh.ReleaseHands();
  DeleteDC(dc);
  return fresh;
}

TEST(HandSettings, WithoutTheSectionTheDefaultsApplyAndTheDesignIsWritten) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  const ClockHands& h = theClock.hands;
  EXPECT_EQ(1, h.design);
  EXPECT_EQ(50, h.hourLength);
  EXPECT_EQ(100, h.handCenterX);
  EXPECT_EQ(0u, h.hourColor | h.minuteColor | h.secondColor);
  EXPECT_EQ(0xFFFFFFu, h.hourFill & h.minuteFill & h.secondFill);
  EXPECT_EQ(0, h.boldLines | h.hollowHands | h.autoHide | h.infoMode);
  EXPECT_EQ("1", folder.IniValue("OBJECT", "DESIGN"));
  LOGPEN pen;
  GetObjectA(h.hourPen, sizeof pen, &pen);
  EXPECT_EQ(1, pen.lopnWidth.x);
}

TEST(HandSettings, EveryCommandIsStoredAndSurvivesARestart) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  Command(clock, 40008);
  Command(clock, 40024);
  Command(clock, 40041);
  Command(clock, 40016);
  Command(clock, 40030);
  EXPECT_EQ("4", folder.IniValue("OBJECT", "DESIGN"));
  EXPECT_EQ("1", folder.IniValue("OBJECT", "BOOLD"));
  EXPECT_EQ("1", folder.IniValue("OBJECT", "NULLBRS"));
  EXPECT_EQ("1", folder.IniValue("OBJECT", "NDHIDE"));
  EXPECT_EQ("4", folder.IniValue("OBJECT", "DIGINFO"));
  ClockHands again = ReloadedHands();
  EXPECT_EQ(4, again.design);
  EXPECT_EQ(72, again.secondLength);
  EXPECT_EQ(1, again.boldLines);
  EXPECT_EQ(1, again.hollowHands);
  EXPECT_EQ(1, again.autoHide);
  EXPECT_EQ(4, again.infoMode);

  Command(clock, 40011);
  EXPECT_EQ("7", folder.IniValue("OBJECT", "DESIGN"));
  EXPECT_EQ(7, ReloadedHands().design);
  // A second toggle writes 0, not nothing.
  Command(clock, 40024);
  EXPECT_EQ("0", folder.IniValue("OBJECT", "BOOLD"));
}

TEST(HandSettings, ResetMakesTheHandsBlackOnWhiteAndKeepsTheRest) {
  TempDataFolder folder;
  folder.WriteIni("[OBJECT]\r\nDESIGN=3\r\nBOOLD=1\r\nNULLBRS=1\r\nNDHIDE=1\r\nDIGINFO=2\r\n"
                  "HCOL=255\r\nMCOL=255\r\nSCOL=255\r\nHCOLB=255\r\nMCOLB=255\r\nSCOLB=255\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  Command(clock, 40040);
  for (const char* key : {"HCOL", "MCOL", "SCOL"}) EXPECT_EQ("0", folder.IniValue("OBJECT", key));
  for (const char* key : {"HCOLB", "MCOLB", "SCOLB"})
    EXPECT_EQ("16777215", folder.IniValue("OBJECT", key));
  EXPECT_EQ("0", folder.IniValue("OBJECT", "NULLBRS"));
  EXPECT_EQ("1", folder.IniValue("OBJECT", "BOOLD"));
  EXPECT_EQ("3", folder.IniValue("OBJECT", "DESIGN"));
  EXPECT_EQ(1, theClock.hands.autoHide);
  EXPECT_EQ(2, theClock.hands.infoMode);
  LOGPEN pen;
  GetObjectA(theClock.hands.minutePen, sizeof pen, &pen);
  EXPECT_EQ(0u, pen.lopnColor);
  EXPECT_EQ(2, pen.lopnWidth.x);
}

TEST(HandSettings, OptionCodesReadBackAndUnknownCodesDoNothing) {
  TempDataFolder folder;
  folder.WriteIni("[OBJECT]\r\nNDHIDE=1\r\nDIGINFO=3\r\nBOOLD=1\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  ClockHands& h = theClock.hands;
  EXPECT_EQ(1, h.GetHandOption(1));
  EXPECT_EQ(3, h.GetHandOption(2));
  EXPECT_EQ(1, h.GetHandOption(3));
  EXPECT_EQ(1, h.GetHandOption(5));
  EXPECT_EQ(0, h.GetHandOption(6));
  EXPECT_EQ(-1, h.GetHandOption(4));
  EXPECT_EQ(-1, h.GetHandOption(0));
  h.ToggleHandOption(4, 1);
  h.ToggleHandOption(7, 1);
  h.ChooseHandColor(7);
  h.ChooseHandColor(0);
  EXPECT_EQ(1, h.design);
  EXPECT_EQ("<absent>", folder.IniValue("OBJECT", "HCOL"));
}

bool Checked(HMENU menu, UINT id) { return GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED; }
bool Greyed(HMENU menu, UINT id) { return GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED; }

HMENU FreshMainMenu(HMENU* root) {
  *root = LoadMenuA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(MENU_RESOURCE));
  return GetSubMenu(*root, 0);
}

TEST(HandSettings, MenuMarksFollowTheSettings) {
  TempDataFolder folder;
  folder.WriteIni("[OBJECT]\r\nDESIGN=5\r\nNULLBRS=1\r\nBOOLD=1\r\nNDHIDE=1\r\nDIGINFO=3\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  HMENU root, menu = FreshMainMenu(&root);
  theClock.hands.UpdateHandMenuChecks(menu);
  EXPECT_TRUE(Checked(menu, 40016));
  EXPECT_TRUE(Checked(menu, 40024));
  EXPECT_TRUE(Checked(menu, 40041));
  EXPECT_TRUE(Greyed(menu, 40041));  // balloons always fill
  EXPECT_TRUE(Checked(menu, 40029));
  EXPECT_FALSE(Checked(menu, 40026));
  EXPECT_TRUE(Checked(menu, 40009));
  EXPECT_FALSE(Checked(menu, 40005));
  DestroyMenu(root);

  Command(clock, 40011);
  Command(clock, 40024);
  Command(clock, 40026);
  menu = FreshMainMenu(&root);
  theClock.hands.UpdateHandMenuChecks(menu);
  EXPECT_TRUE(Checked(menu, 40011));
  EXPECT_FALSE(Checked(menu, 40009));
  EXPECT_FALSE(Checked(menu, 40024));
  EXPECT_FALSE(Greyed(menu, 40041));
  EXPECT_TRUE(Checked(menu, 40026));
  DestroyMenu(root);
}

// Answers the colour dialog from another thread: reads the colour it
// opened on, optionally types one in, then presses OK or Cancel.
struct DialogAnswer {
  bool ok;
  const char* red;  // typed into the red field when not null
  std::string openedOn;
};

BOOL CALLBACK FindOwnDialog(HWND w, LPARAM found) {
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  char cls[32];
  GetClassNameA(w, cls, sizeof cls);
  if (pid == GetCurrentProcessId() && IsWindowVisible(w) && !strcmp(cls, "#32770")) {
    *(HWND*)found = w;
    return FALSE;
  }
  return TRUE;
}

std::string FieldText(HWND dialog, int id) {
  char text[16] = "";
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

DWORD WINAPI AnswerColourDialog(void* param) {
  DialogAnswer* answer = (DialogAnswer*)param;
  HWND dialog = NULL;
  for (int i = 0; i < 100 && !dialog; i++) {
    Sleep(100);
    EnumWindows(FindOwnDialog, (LPARAM)&dialog);
  }
  if (!dialog) return 0;
  Sleep(300);
  // Red, green and blue fields of the dialog.
  answer->openedOn = FieldText(dialog, 706) + "," + FieldText(dialog, 707) + "," +
                     FieldText(dialog, 708);
  if (answer->red) SetDlgItemTextA(dialog, 706, answer->red);
  Sleep(200);
  PostMessageA(dialog, WM_COMMAND, answer->ok ? IDOK : IDCANCEL, 0);
  return 0;
}

void ChooseWithAnswer(int slot, DialogAnswer* answer) {
  HANDLE thread = CreateThread(NULL, 0, AnswerColourDialog, answer, 0, NULL);
  theClock.hands.ChooseHandColor(slot);
  WaitForSingleObject(thread, 15000);
  CloseHandle(thread);
}

TEST(HandSettings, ColourDialogOpensOnBlackAndCancelChangesNothing) {
  TempDataFolder folder;
  folder.WriteIni("[OBJECT]\r\nHCOL=65280\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  DialogAnswer cancel = {false, "200", ""};
  ChooseWithAnswer(SLOT_HOUR_OUTLINE, &cancel);
  EXPECT_EQ("0,0,0", cancel.openedOn);
  EXPECT_EQ(0xFF00u, theClock.hands.hourColor);
  EXPECT_EQ("65280", folder.IniValue("OBJECT", "HCOL"));

  DialogAnswer ok = {true, "200", ""};
  ChooseWithAnswer(SLOT_MINUTE_FILL, &ok);
  EXPECT_EQ("0,0,0", ok.openedOn);
  EXPECT_EQ(RGB(200, 0, 0), theClock.hands.minuteFill);
  EXPECT_EQ("200", folder.IniValue("OBJECT", "MCOLB"));
  LOGBRUSH brush;
  GetObjectA(theClock.hands.minuteBrush, sizeof brush, &brush);
  EXPECT_EQ(RGB(200, 0, 0), brush.lbColor);
}

}  // namespace
