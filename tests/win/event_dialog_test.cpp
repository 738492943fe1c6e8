// The event dialog opened from the clock's menu command and driven as a
// user would, from a timer inside its modal loop.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "shell/globals.h"
#include "app_harness.h"
#include "event_boxes.h"
#include "res/resource.h"

namespace {

InProcessClock* clockUnderTest;
void (*dialogScript)(HWND dialog);

BOOL CALLBACK FindEventDialog(HWND w, LPARAM found) {
  if (WindowText(w) != "イベントの設定") return TRUE;
  *(HWND*)found = w;
  return FALSE;
}

BOOL CALLBACK CountEventDialogs(HWND w, LPARAM count) {
  *(int*)count += WindowText(w) == "イベントの設定";
  return TRUE;
}

VOID CALLBACK RunScript(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = NULL;
  EnumThreadWindows(GetCurrentThreadId(), FindEventDialog, (LPARAM)&dialog);
  if (!dialog || !IsWindowVisible(dialog)) return;
  KillTimer(NULL, id);
  dialogScript(dialog);
  if (IsWindow(dialog)) SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

// Menu command IDM_EVENTS, with script run once the dialog is up.
void RunEventDialog(InProcessClock& clock, void (*script)(HWND dialog)) {
  clockUnderTest = &clock;
  dialogScript = script;
  SetTimer(NULL, 0, 100, RunScript);
  SendMessageA(clock.Window(), WM_COMMAND, IDM_EVENTS, 0);
}

int Selected(HWND d, int combo) { return (int)SendDlgItemMessageA(d, combo, CB_GETCURSEL, 0, 0); }
int Entries(HWND d, int combo) { return (int)SendDlgItemMessageA(d, combo, CB_GETCOUNT, 0, 0); }

std::string Entry(HWND d, int combo, int index) {
  char text[128] = "";
  SendDlgItemMessageA(d, combo, CB_GETLBTEXT, index, (LPARAM)text);
  return text;
}

void Choose(HWND d, int combo, int index) {
  SendDlgItemMessageA(d, combo, CB_SETCURSEL, index, 0);
  SendMessageA(d, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE), (LPARAM)GetDlgItem(d, combo));
}

void Click(HWND d, int button) { SendMessageA(GetDlgItem(d, button), BM_CLICK, 0, 0); }

int Rows(HWND d) { return (int)SendDlgItemMessageA(d, IDC_EVENT_LIST, LVM_GETITEMCOUNT, 0, 0); }

std::string Cell(HWND d, int row, int column) {
  return ListViewRows(GetDlgItem(d, IDC_EVENT_LIST), 2).at(row).at(column);
}

bool ParameterReadOnly(HWND d) {
  return GetWindowLongA(GetDlgItem(d, IDC_EVENT_PARAMETER), GWL_STYLE) & ES_READONLY;
}

TEST(EventDialog, PreselectsTheClockTimeAndTheDayFollowsTheMonth) {
  TempDataFolder folder;
  folder.WriteDataFile("ZENTICK.evt", "0,0,0,0,1,skipped while the dialog is open,\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  InProcessClock::SetTime(2027, 1, 31, 23, 59, 10);
  clock.Tick();
  BoxCloser closer;
  RunEventDialog(clock, [](HWND d) {
    EXPECT_EQ(DIALOG_EVENT, openDialog);
    EXPECT_TRUE(GetWindowLongA(d, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(1, Selected(d, IDC_EVENT_MONTH));
    EXPECT_EQ(31, Selected(d, IDC_EVENT_DAY));
    EXPECT_EQ(23, Selected(d, IDC_EVENT_HOUR));
    EXPECT_EQ(59, Selected(d, IDC_EVENT_MINUTE));
    EXPECT_EQ(0, Selected(d, IDC_EVENT_ACTION));
    EXPECT_EQ(13, Entries(d, IDC_EVENT_MONTH));
    EXPECT_EQ(32, Entries(d, IDC_EVENT_DAY));
    EXPECT_EQ(24, Entries(d, IDC_EVENT_HOUR));
    EXPECT_EQ(60, Entries(d, IDC_EVENT_MINUTE));
    EXPECT_EQ("毎月", Entry(d, IDC_EVENT_MONTH, 0));
    EXPECT_EQ("12", Entry(d, IDC_EVENT_MONTH, 12));
    EXPECT_EQ("毎日", Entry(d, IDC_EVENT_DAY, 0));
    EXPECT_EQ("0", Entry(d, IDC_EVENT_HOUR, 0));
    EXPECT_EQ("59", Entry(d, IDC_EVENT_MINUTE, 59));
    ASSERT_EQ(5, Entries(d, IDC_EVENT_ACTION));
    EXPECT_EQ("ファイルの実行(オープン)", Entry(d, IDC_EVENT_ACTION, 0));
    EXPECT_EQ("OSのシャットダウン(強制)", Entry(d, IDC_EVENT_ACTION, 4));
    EXPECT_FALSE(ParameterReadOnly(d));
    ASSERT_EQ(1, Rows(d));
    EXPECT_EQ("毎月/毎日 0:0", Cell(d, 0, 0));

    Choose(d, IDC_EVENT_MONTH, 2);
    EXPECT_EQ(30, Entries(d, IDC_EVENT_DAY));
    EXPECT_EQ(29, Selected(d, IDC_EVENT_DAY));
    Choose(d, IDC_EVENT_MONTH, 0);
    EXPECT_EQ(32, Entries(d, IDC_EVENT_DAY));
    EXPECT_EQ(29, Selected(d, IDC_EVENT_DAY));
    Choose(d, IDC_EVENT_DAY, 0);
    Choose(d, IDC_EVENT_MONTH, 4);
    EXPECT_EQ(0, Selected(d, IDC_EVENT_DAY));

    // A second command while it is open brings no second dialog.
    SendMessageA(clockUnderTest->Window(), WM_COMMAND, IDM_EVENTS, 0);
    int dialogs = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountEventDialogs, (LPARAM)&dialogs);
    EXPECT_EQ(1, dialogs);
    EXPECT_EQ(DIALOG_EVENT, openDialog);

    // The next minute's events are skipped while the dialog is open.
    clockUnderTest->TickAt(0, 0, 0);
    PumpFor(300);
  });
  EXPECT_EQ(DIALOG_NONE, openDialog);
  EXPECT_TRUE(seenBoxes.empty());
  EXPECT_EQ("0,0,0,0,1,skipped while the dialog is open,\n", folder.ReadDataFile("ZENTICK.evt"));
}

TEST(EventDialog, RegistersListsAndDeletesEvents) {
  TempDataFolder folder;
  static TempDataFolder* data;
  data = &folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  BoxCloser closer;
  RunEventDialog(clock, [](HWND d) {
    EXPECT_EQ(0, Rows(d));
    // Nothing to show or open: told so, nothing stored.
    Choose(d, IDC_EVENT_ACTION, 1);
    Click(d, IDC_EVENT_REGISTER);
    ASSERT_EQ(1u, seenBoxes.size());
    EXPECT_EQ("error", seenBoxes[0].caption);
    EXPECT_EQ("開くファイル、またはメッセージが未設定です", seenBoxes[0].text);
    EXPECT_EQ(d, seenBoxes[0].owner);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES,
              GetFileAttributesA((data->DataDir() + "ZENTICK.evt").c_str()));
    Choose(d, IDC_EVENT_ACTION, 1);

    Choose(d, IDC_EVENT_MONTH, 0);
    Choose(d, IDC_EVENT_DAY, 0);
    Choose(d, IDC_EVENT_HOUR, 7);
    Choose(d, IDC_EVENT_MINUTE, 5);
    SetDlgItemTextA(d, IDC_EVENT_PARAMETER, "message");
    Click(d, IDC_EVENT_REGISTER);
    EXPECT_EQ("0,0,7,5,1,message,\n", data->ReadDataFile("ZENTICK.evt"));
    ASSERT_EQ(1, Rows(d));
    EXPECT_EQ("毎月/毎日 7:5", Cell(d, 0, 0));
    EXPECT_EQ("message", Cell(d, 0, 1));

    SetDlgItemTextA(d, IDC_EVENT_PARAMETER, "typed before");
    Choose(d, IDC_EVENT_ACTION, 4);
    EXPECT_EQ("", WindowText(GetDlgItem(d, IDC_EVENT_PARAMETER)));
    EXPECT_TRUE(ParameterReadOnly(d));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, IDC_EVENT_BROWSE)));
    Choose(d, IDC_EVENT_MONTH, 3);
    Choose(d, IDC_EVENT_DAY, 4);
    Choose(d, IDC_EVENT_HOUR, 12);
    Choose(d, IDC_EVENT_MINUTE, 0);
    Click(d, IDC_EVENT_REGISTER);
    EXPECT_EQ("0,0,7,5,1,message,\n3,4,12,0,4,OSのシャットダウン(強制),\n",
              data->ReadDataFile("ZENTICK.evt"));
    ASSERT_EQ(2, Rows(d));
    EXPECT_EQ("3/4 12:0", Cell(d, 1, 0));
    EXPECT_EQ("OSのシャットダウン(強制)", Cell(d, 1, 1));
    Choose(d, IDC_EVENT_ACTION, 0);
    EXPECT_FALSE(ParameterReadOnly(d));

    // Delete needs a selected row, and takes that line only.
    Click(d, IDC_EVENT_DELETE);
    EXPECT_EQ(2, Rows(d));
    LVITEMA state = {};
    state.stateMask = state.state = LVIS_SELECTED;
    SendDlgItemMessageA(d, IDC_EVENT_LIST, LVM_SETITEMSTATE, 0, (LPARAM)&state);
    Click(d, IDC_EVENT_DELETE);
    EXPECT_EQ("3,4,12,0,4,OSのシャットダウン(強制),\n", data->ReadDataFile("ZENTICK.evt"));
    ASSERT_EQ(1, Rows(d));
    EXPECT_EQ("3/4 12:0", Cell(d, 0, 0));

    Click(d, IDC_EVENT_DELETE_ALL);
    EXPECT_EQ(0, Rows(d));
    std::string path = data->DataDir() + "ZENTICK.evt";
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str()));
    EXPECT_EQ("", data->ReadDataFile("ZENTICK.evt"));
  });
  EXPECT_EQ(1u, seenBoxes.size());
}

// A name typed without an extension means the WAV file of that name; one
// with its own extension is taken as it is.
TEST(EventDialog, BrowseButtonPutsTheChosenFileIntoTheParameter) {
  TempDataFolder folder;
  static std::string typed, chosen;
  // Wine's chooser looks for the name as typed before it adds the
  // extension: a file of the bare name is there too.
  for (const char* name : {"chime.wav", "chime", "notes.txt"}) WriteFileBytes(folder.Root() + name, "");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  onBox = [](const SeenBox& box) {
    // The name field: an edit in the old-style dialog, a combo box in the newer one.
    HWND name = GetDlgItem(box.window, 0x47C);
    if (!name) name = GetDlgItem(box.window, 0x480);
    // No name field: the chooser's word that no such file exists. Give up.
    if (!name) PostMessageA(box.owner, WM_COMMAND, IDCANCEL, 0);
    else SetWindowTextA(name, typed.c_str());
  };
  const char* const cases[][2] = {
      {"chime", "chime.wav"}, {"chime.wav", "chime.wav"}, {"notes.txt", "notes.txt"}};
  for (const auto& c : cases) {
    typed = folder.Root() + c[0];
    chosen = folder.Root() + c[1];
    seenBoxes.clear();
    BoxCloser closer;
    RunEventDialog(clock, [](HWND d) {
      Click(d, IDC_EVENT_BROWSE);
      EXPECT_EQ(chosen, WindowText(GetDlgItem(d, IDC_EVENT_PARAMETER))) << typed;
    });
    ASSERT_EQ(1u, seenBoxes.size());
    EXPECT_EQ("ファイルの選択…", seenBoxes[0].caption);
  }
  onBox = nullptr;
}

}  // namespace
