#include "events/event_dialog.h"

#include <commctrl.h>
#include <stdio.h>

#include "platform/later_calls.h"
#include "settings/app_state.h"
#include "base/cp932.h"
#include "platform/list_view.h"
#include "events/event_calendar.h"
#include "res/resource.h"
#include "events/event_line.h"
#include "events/event_store.h"
#include "platform/dialog_controls.h"
#include "platform/file_chooser.h"
#include "platform/file_replace.h"
#include "platform/system_text.h"
#include "events/event_text.h"

struct EventDialogState {
  AppState* app;
  char eventPath[PATH_SIZE];
  const SYSTEMTIME* time;
  HWND dialog;
};

static EventDialogState* dialogState;

static const char* const kActionNames[] = {
    "ファイルの実行(オープン)", "メッセージの表示", "ダイアルアップの切断",
    "OSのシャットダウン(通常)", "OSのシャットダウン(強制)",
};
// What actions without a parameter store, for the list to show.
static const char* const kActionLabels[] = {
    "", "", "ダイアルアップの切断", "OSのシャットダウン", "OSのシャットダウン(強制)",
};

static HWND Control(int id) { return GetDlgItem(dialogState->dialog, id); }

static int Selection(int combo) {
  return (int)SendMessageA(Control(combo), CB_GETCURSEL, 0, 0);
}

static void Select(int combo, int index) {
  SendMessageA(Control(combo), CB_SETCURSEL, index, 0);
}

static void AddEntry(int combo, const char* text) {
  AddComboText(Control(combo), text);
}

static void AddNumbers(int combo, int first, int last) {
  for (int n = first; n <= last; n++) {
    char text[12];
    wsprintfA(text, "%d", n);
    AddEntry(combo, text);
  }
}

static void FillDayCombo(int monthIndex) {
  int old = Selection(IDC_EVENT_DAY);  // CB_ERR (-1) at the first fill
  int dayCount = DayCountOfMonth(monthIndex);
  SendMessageA(Control(IDC_EVENT_DAY), CB_RESETCONTENT, 0, 0);
  AddEntry(IDC_EVENT_DAY, "毎日");
  AddNumbers(IDC_EVENT_DAY, 1, dayCount);
  Select(IDC_EVENT_DAY, ChooseDaySelection(old, dayCount, dialogState->time->wDay));
}

static void AddListRow(HWND list, const char* line) {
  char when[64];
  FormatEventWhen(line, "毎月", "毎日", when, sizeof when);
  EventEntry entry;
  ParseEventLine(line, &entry);
  const char* texts[2] = {when, entry.parameter};
  // A file's path as it is, with the characters the file keeps escaped.
  char path[PATH_SIZE];
  int isPath = entry.action == EVENT_OPEN_FILE &&
               StoredTextToPath(SystemCp932(), entry.parameter, path, sizeof path);
  if (isPath) texts[1] = path;
  AppendListRow(list, texts, 2, isPath ? 1 << 1 : 0);
}

// One row per line of the file, so a row index is a line index.
static void FillEventList() {
  HWND list = Control(IDC_EVENT_LIST);
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  FileBytes text;
  if (!ReadEventText(dialogState->eventPath, &text)) return;
  char line[EVENT_LINE_SIZE];
  for (size_t pos = 0; pos < text.size;) {
    pos = ReadEventLine(text.data, text.size, pos, line);
    AddListRow(list, line);
  }
  FreeFileBytes(&text);
}

static void InitEventDialog() {
  EventDialogState* s = dialogState;
  HWND list = Control(IDC_EVENT_LIST);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  AddListColumn(list, 0, "日時", 90);
  AddListColumn(list, 1, "内容", 167);
  AddEntry(IDC_EVENT_MONTH, "毎月");
  AddNumbers(IDC_EVENT_MONTH, 1, 12);
  Select(IDC_EVENT_MONTH, s->time->wMonth);
  FillDayCombo(s->time->wMonth);
  AddNumbers(IDC_EVENT_HOUR, 0, 23);
  Select(IDC_EVENT_HOUR, s->time->wHour);
  AddNumbers(IDC_EVENT_MINUTE, 0, 59);
  Select(IDC_EVENT_MINUTE, s->time->wMinute);
  for (const char* name : kActionNames) AddEntry(IDC_EVENT_ACTION, name);
  Select(IDC_EVENT_ACTION, EVENT_OPEN_FILE);
  SendMessageA(Control(IDC_EVENT_PARAMETER), EM_LIMITTEXT, 260, 0);
  FillEventList();
}

static void OnActionChanged() {
  int action = Selection(IDC_EVENT_ACTION);
  SetControlText(dialogState->dialog, IDC_EVENT_PARAMETER, "");
  SendMessageA(Control(IDC_EVENT_PARAMETER), EM_SETREADONLY, action >= EVENT_HANG_UP, 0);
}

static void BrowseForFile() {
  char fileName[PATH_SIZE];
  if (ChooseExistingFile(dialogState->dialog, "ALL files(*.*)\0*.*\0", "ファイルの選択…", "wav",
                         fileName))
    SetControlPath(dialogState->dialog, IDC_EVENT_PARAMETER, fileName);
}

// The file to open as the event file keeps it: characters 932 lacks are
// escaped, and a path too long for its field is refused, never cut.
static int ReadStoredPath(HWND dialog, char parameter[EVENT_PARAMETER_SIZE]) {
  char path[PATH_SIZE];
  if (ReadControlPath(dialog, IDC_EVENT_PARAMETER, path, sizeof path) &&
      PathToStoredText(SystemCp932(), path, parameter, EVENT_PARAMETER_SIZE))
    return 1;
  ShowMessage(dialog, "ファイル名が長すぎるため登録できません", "error", MB_OK);
  return 0;
}

// The line for the chosen settings into line; 0 (after telling the user)
// when there is no parameter, or a path with a comma.
static size_t MakeEventLine(char* line, size_t size) {
  EventEntry entry;
  entry.action = Selection(IDC_EVENT_ACTION);
  if (entry.action < EVENT_OPEN_FILE || entry.action > EVENT_SHUTDOWN_FORCED)
    entry.action = EVENT_OPEN_FILE;
  entry.month = Selection(IDC_EVENT_MONTH);
  entry.day = Selection(IDC_EVENT_DAY);
  entry.hour = Selection(IDC_EVENT_HOUR);
  entry.minute = Selection(IDC_EVENT_MINUTE);
  HWND dialog = dialogState->dialog;
  if (entry.action == EVENT_OPEN_FILE) {
    if (!ReadStoredPath(dialog, entry.parameter)) return 0;
  } else if (entry.action == EVENT_MESSAGE) {
    if (!ReadTypedText(dialog, IDC_EVENT_PARAMETER, entry.parameter, sizeof entry.parameter))
      return 0;
  } else {
    CopyTextCut(entry.parameter, sizeof entry.parameter, kActionLabels[entry.action]);
  }
  if (!entry.parameter[0]) {
    ShowMessage(dialogState->dialog, "開くファイル、またはメッセージが未設定です", "error", MB_OK);
    return 0;
  }
  return FormatEventLine(&entry, line, size);
}

static void RegisterEvent() {
  char line[EVENT_LINE_SIZE];
  size_t length = MakeEventLine(line, sizeof line);
  if (!length) return;
  AppendEventLine(dialogState->eventPath, line, length);
  FillEventList();
}

static void DeleteSelectedEvent() {
  int row = (int)SendMessageA(Control(IDC_EVENT_LIST), LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
  if (row < 0) return;
  DeleteEventLine(dialogState->eventPath, (size_t)row);
  FillEventList();
}

static void DeleteAllEvents() {
  ReplaceDataFile(dialogState->eventPath, "", 0);  // an empty file, not a missing one
  FillEventList();
}

static void OnCommand(WORD id, WORD code) {
  switch (id) {
    case IDC_EVENT_MONTH:
      if (code == CBN_SELCHANGE) FillDayCombo(Selection(IDC_EVENT_MONTH));
      break;
    case IDC_EVENT_ACTION:
      if (code == CBN_SELCHANGE) OnActionChanged();
      break;
    case IDC_EVENT_BROWSE:
      BrowseForFile();
      break;
    case IDC_EVENT_REGISTER:
      RegisterEvent();
      break;
    case IDC_EVENT_DELETE:
      DeleteSelectedEvent();
      break;
    case IDC_EVENT_DELETE_ALL:
      DeleteAllEvents();
      break;
    case IDOK:
    case IDCANCEL:
      EndDialog(dialogState->dialog, id);
      break;
  }
}

static INT_PTR CALLBACK EventDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      TakeDialogState(&dialogState, dialog, lParam);
      InitEventDialog();
      return TRUE;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
  }
  return FALSE;
}

void EventDialog(HWND owner, AppState* app, const SYSTEMTIME* time) {
  if (BringForwardIfOpen(dialogState ? dialogState->dialog : NULL)) return;
  EventDialogState state = {};
  state.app = app;
  state.time = time;
  if (!EventFilePath(app, owner, state.eventPath)) return;
  InitListViewControls();
  ShowDialog(IDD_EVENT, owner, EventDialogProc, (LPARAM)&state);
  dialogState = NULL;
}
