// The hand settings: what the menu commands store, what a restart reads
// back, the menu marks, and the colour dialog.
#include <gtest/gtest.h>

#include <string>

#include "shell/globals.h"
#include "shell/window_proc.h"
#include "base/dpi_scale.h"
#include "app_harness.h"
#include "res/resource.h"

namespace {

void Command(const InProcessClock& clock, WORD id) {
  SendMessageA(clock.Window(), WM_COMMAND, id, 0);
}

// What a restart reads: a second record loaded from the same file.
ClockHands ReloadedHands() {
  ClockHands fresh = {};
  fresh.InitHands(theClock.hwnd, &theApp, BASE_DPI);
  fresh.ReleaseHands();
  return fresh;
}

int PenWidth(HPEN pen) {
  LOGPEN logical;
  GetObjectA(pen, sizeof logical, &logical);
  return logical.lopnWidth.x;
}

TEST(HandSettings, DefaultsThenEveryCommandStoredAndReadBackAndTheReset) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  ClockHands& h = theClock.hands;
  EXPECT_EQ(1, h.style.design);
  EXPECT_EQ(0u, h.style.hourColor | h.style.minuteColor | h.style.secondColor);
  EXPECT_EQ(0xFFFFFFu, h.style.hourFill & h.style.minuteFill & h.style.secondFill);
  EXPECT_EQ(0, h.style.boldLines | h.style.hollowHands | h.autoHide | h.infoMode);
  EXPECT_EQ(1, h.style.smoothHands);
  EXPECT_EQ(1, PenWidth(h.tools.hourPen));
  EXPECT_EQ("<absent>", folder.IniValue("OBJECT", "DESIGN"));  // starting stores nothing

  for (WORD id : {IDM_DESIGN_TRIANGLE2, IDM_BOLD, IDM_HOLLOW, IDM_AUTO_HIDE, IDM_INFO_FREE_MEMORY,
                  IDM_SMOOTH_HANDS})
    Command(clock, id);
  const char* keys[] = {"DESIGN", "BOOLD", "NULLBRS", "NDHIDE", "DIGINFO", "SMOOTH"};
  const char* stored[] = {"4", "1", "1", "1", "4", "0"};
  for (int i = 0; i < 6; i++) EXPECT_EQ(stored[i], folder.IniValue("OBJECT", keys[i])) << keys[i];
  ClockHands again = ReloadedHands();
  EXPECT_EQ(4, again.style.design);
  EXPECT_EQ(72, again.tools.secondLength);
  EXPECT_EQ(1, again.style.boldLines & again.style.hollowHands & again.autoHide);
  EXPECT_EQ(4, again.infoMode);
  EXPECT_EQ(0, again.style.smoothHands);
  EXPECT_EQ(2, PenWidth(h.tools.secondPen));

  // The reset: black on white, not hollow; design, bold and the rest stay.
  h.style.hourColor = h.style.secondFill = 255;
  Command(clock, IDM_DESIGN_NONE);
  Command(clock, IDM_COLOR_RESET);
  for (const char* key : {"HCOL", "MCOL", "SCOL"}) EXPECT_EQ("0", folder.IniValue("OBJECT", key));
  for (const char* key : {"HCOLB", "MCOLB", "SCOLB"})
    EXPECT_EQ("16777215", folder.IniValue("OBJECT", key));
  EXPECT_EQ("0", folder.IniValue("OBJECT", "NULLBRS"));
  EXPECT_EQ("1", folder.IniValue("OBJECT", "BOOLD"));
  EXPECT_EQ(7, ReloadedHands().style.design);
  EXPECT_EQ(-1, h.GetHandOption(4));
}

bool Marked(HMENU menu, UINT id, UINT flag) { return GetMenuState(menu, id, MF_BYCOMMAND) & flag; }

TEST(HandSettings, MenuMarksFollowTheSettings) {
  TempDataFolder folder;
  folder.WriteIni("[OBJECT]\r\nDESIGN=5\r\nNULLBRS=1\r\nBOOLD=1\r\nNDHIDE=1\r\nDIGINFO=3\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  HMENU root = LoadMenuA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDR_MENU));
  HMENU menu = GetSubMenu(root, 0);
  MarkMenu(menu);
  for (UINT id : {IDM_AUTO_HIDE, IDM_BOLD, IDM_HOLLOW, IDM_INFO_CPU, IDM_DESIGN_BALLOON,
                  IDM_SMOOTH_HANDS})
    EXPECT_TRUE(Marked(menu, id, MF_CHECKED)) << id;
  for (UINT id : {IDM_INFO_NONE, IDM_DESIGN_SQUARE, IDM_DESIGN_NONE})
    EXPECT_FALSE(Marked(menu, id, MF_CHECKED)) << id;
  EXPECT_TRUE(Marked(menu, IDM_HOLLOW, MF_GRAYED));  // balloons always fill
  DestroyMenu(root);
}

// Answers the colour dialog from another thread: notes the colour it
// opened on, types in a red, then presses OK or Cancel.
struct DialogAnswer {
  bool ok;
  std::string openedOn;
};

BOOL CALLBACK FindOwnDialog(HWND w, LPARAM found) {
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  char cls[32];
  GetClassNameA(w, cls, sizeof cls);
  if (pid != GetCurrentProcessId() || !IsWindowVisible(w) || strcmp(cls, "#32770")) return TRUE;
  *(HWND*)found = w;
  return FALSE;
}

// Found once shown; ready once its red field holds the colour it opened on.
bool ColourDialogReady(void* found) {
  HWND* dialog = (HWND*)found;
  if (!*dialog) EnumWindows(FindOwnDialog, (LPARAM)dialog);
  return *dialog && GetWindowTextLengthA(GetDlgItem(*dialog, 706)) > 0;
}

DWORD WINAPI AnswerColourDialog(void* param) {
  DialogAnswer* answer = (DialogAnswer*)param;
  HWND dialog = NULL;
  WaitUntil(ColourDialogReady, &dialog, 10000);
  if (!dialog) return 0;
  for (int field = 706; field <= 708; field++) {  // red, green, blue
    char text[16] = "";
    GetDlgItemTextA(dialog, field, text, sizeof text);
    answer->openedOn += text + std::string(field < 708 ? "," : "");
  }
  // Sent: the dialog has taken the new value when this returns.
  SetDlgItemTextA(dialog, 706, "200");
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
  DialogAnswer cancel = {false, ""};
  ChooseWithAnswer(SLOT_HOUR_OUTLINE, &cancel);
  EXPECT_EQ("0,0,0", cancel.openedOn);
  EXPECT_EQ(0xFF00u, theClock.hands.style.hourColor);
  EXPECT_EQ("65280", folder.IniValue("OBJECT", "HCOL"));

  DialogAnswer ok = {true, ""};
  ChooseWithAnswer(SLOT_MINUTE_FILL, &ok);
  EXPECT_EQ("0,0,0", ok.openedOn);
  EXPECT_EQ("200", folder.IniValue("OBJECT", "MCOLB"));
  LOGBRUSH brush;
  GetObjectA(theClock.hands.tools.minuteBrush, sizeof brush, &brush);
  EXPECT_EQ(RGB(200, 0, 0), brush.lbColor);
}

}  // namespace
