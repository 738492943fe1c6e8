#include "skins/background_dialog.h"

#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include "platform/later_calls.h"
#include "platform/newer_calls.h"
#include "settings/app_state.h"
#include "base/paths.h"
#include "platform/list_view.h"
#include "face/clock_image.h"
#include "res/resource.h"
#include "skins/change_rules.h"
#include "platform/dialog_controls.h"
#include "skins/minutes_field.h"
#include "skins/file_search.h"
#include "skins/image_changer.h"
#include "skins/skin_format.h"
#include "platform/system_paths.h"
#include "platform/system_text.h"

struct BackgroundDialog {
  HWND owner;
  HWND dialog;
  AppState* app;
  ClockImage* image;
  HBITMAP folderPicture;  // made for a DPI above 96, deleted after closing
};

static BackgroundDialog* current;

// Moved back from an edge it would cross, the start edge kept first.
static int KeepWithin(int start, int size, int low, int high) {
  if (start + size > high) start = high - size;
  return start < low ? low : start;
}

// Beside the clock, but whole on the clock's screen: a clock near the
// bottom, or a wide dialog at a high DPI, would leave part of it off.
static void PlaceBesideClock(HWND dialog, HWND clock) {
  RECT c, d, work;
  GetWindowRect(clock, &c);
  GetWindowRect(dialog, &d);
  WindowWorkArea(clock, &work);
  int left = BackgroundDialogLeft(c.left, c.right, WindowDpi(clock));
  left = KeepWithin(left, d.right - d.left, work.left, work.right);
  int top = KeepWithin(c.top, d.bottom - d.top, work.top, work.bottom);
  SetWindowPos(dialog, NULL, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// An untitled skin shows its file name, a path, as its title.
static void AppendRow(HWND list, const SkinRow* row, int untitled) {
  const char* texts[3] = {untitled ? row->fileName : row->title, row->author, row->fileName};
  AppendListRow(list, texts, 3, untitled ? 1 << 0 | 1 << 2 : 1 << 2);
}

struct ListFill {
  HWND list;
  const char* dataDir;
};

// A file that cannot be opened ends the listing.
static int ListSkin(const char* name, void* context) {
  ListFill* fill = (ListFill*)context;
  char path[PATH_SIZE];
  DataFilePath(fill->dataDir, name, "", path);  // the search kept only names that fit
  SkinRow row;
  SetSkinRowDefaults(&row, name);
  FILE* file = OpenPath(path, "rb");
  if (!file) return 0;
  char defaultTitle[SKIN_TITLE_SIZE];
  memcpy(defaultTitle, row.title, sizeof defaultTitle);
  ReadSkinTexts(file, &row);
  fclose(file);
  AppendRow(fill->list, &row, strcmp(row.title, defaultTitle) == 0);
  return 1;
}

static void FillSkinList(BackgroundDialog* d) {
  HWND list = GetDlgItem(d->dialog, IDC_SKIN_LIST);
  ListView_DeleteAllItems(list);
  ListFill fill = {list, d->app->dataDir};
  SearchFiles(d->app->dataDir, "qkb", ListSkin, &fill);
}

static void InitBackgroundDialog(BackgroundDialog* d) {
  AppState* app = d->app;
  d->folderPicture = ScalePictureToDpi(d->dialog, IDC_SKIN_FOLDER);
  PlaceBesideClock(d->dialog, d->owner);
  InitListViewControls();
  HWND list = GetDlgItem(d->dialog, IDC_SKIN_LIST);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
  AddListColumn(list, 0, "タイトル", 141);
  AddListColumn(list, 1, "著作情報", 60);
  AddListColumn(list, 2, "ファイル名", 80);
  FillSkinList(d);
  InitMinutesField(d->dialog, app->ReadSettingInt(Setting::skinIntervalMinutes));
  SetChecked(d->dialog, IDC_BOOT_CHANGE, app->ReadSettingInt(Setting::skinChangeAtStart));
  SetChecked(d->dialog, IDC_RANDOM, app->ReadSettingInt(Setting::skinRandom));
  SetChecked(d->dialog, IDC_TIMED_CHANGE, app->ReadSettingInt(Setting::skinChangeTimed));
  if (!app->ReadSettingInt(Setting::skinChangeTimed)) SetMinutesEditable(d->dialog, 0);
}

static void ApplySelectedSkin(BackgroundDialog* d) {
  HWND list = GetDlgItem(d->dialog, IDC_SKIN_LIST);
  int selected = ListView_GetNextItem(list, -1, LVNI_SELECTED);
  if (selected < 0) return;
  char name[PATH_SIZE] = "";
  ListItemPath(list, selected, 2, name, sizeof name);
  d->image->SetFaceImage(name);
  skinMinutes = 0;
}

static void OpenDataFolder(BackgroundDialog* d) {
  OpenWithShell(d->dialog, d->app->dataDir, SW_SHOWNORMAL);
}

static void SaveChecked(BackgroundDialog* d, int id, Setting setting) {
  d->app->WriteSettingInt(setting, IsChecked(d->dialog, id));
}

static void CloseBackgroundDialog(BackgroundDialog* d, int result) {
  AppState* app = d->app;
  d->image->hands.RevealHands();
  SaveChecked(d, IDC_BOOT_CHANGE, Setting::skinChangeAtStart);
  SaveChecked(d, IDC_TIMED_CHANGE, Setting::skinChangeTimed);
  SaveChecked(d, IDC_RANDOM, Setting::skinRandom);
  app->WriteSettingInt(Setting::skinIntervalMinutes, ReadMinutes(d->dialog));
  skinMinutes = 0;
  current = nullptr;
  EndDialog(d->dialog, result);
}

static void OnCommand(BackgroundDialog* d, int id, int code) {
  switch (id) {
    case IDC_SKIN_FOLDER:
      OpenDataFolder(d);
      break;
    case IDC_TIMED_CHANGE:
      SetMinutesEditable(d->dialog, IsChecked(d->dialog, IDC_TIMED_CHANGE));
      break;
    case IDC_MINUTES:
      // Stored when the dialog closes; the timed change waits until then.
      if (code != 0) KeepMinutesAtLeastOne(d->dialog);
      break;
  }
}

static INT_PTR CALLBACK BackgroundDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    InitBackgroundDialog(TakeDialogState(&current, dialog, lParam));
    return TRUE;
  }
  if (!current) return FALSE;  // nothing of a closed dialog is left
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        CloseBackgroundDialog(current, LOWORD(wParam));
        return TRUE;
      }
      OnCommand(current, LOWORD(wParam), HIWORD(wParam));
      return FALSE;
    case WM_NOTIFY: {
      const NMHDR* n = (const NMHDR*)lParam;
      if (n->idFrom == IDC_SKIN_LIST && n->code == LVN_ITEMCHANGED) ApplySelectedSkin(current);
      return FALSE;
    }
  }
  return FALSE;
}

void OpenBackgroundDialog(HWND owner, ClockImage* image, AppState* app) {
  if (BringForwardIfOpen(current ? current->dialog : NULL)) return;
  BackgroundDialog record = {owner, NULL, app, image, NULL};
  ShowDialog(IDD_BACKGROUND, owner, BackgroundDialogProc, (LPARAM)&record);
  if (record.folderPicture) DeleteObject(record.folderPicture);
}
