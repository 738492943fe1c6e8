#include "skins/wallpaper_dialog.h"

#include "settings/app_state.h"
#include "base/paths.h"
#include "res/resource.h"
#include "platform/dialog_controls.h"
#include "platform/file_chooser.h"
#include "skins/minutes_field.h"
#include "skins/file_search.h"
#include "skins/wallpaper.h"
#include "skins/wallpaper_preview.h"
#include "platform/newer_calls.h"
#include "skins/wallpaper_style.h"
#include "platform/system_text.h"

struct WallpaperDialog {
  AppState* app;
  HWND dialog;
  char folderPath[PATH_SIZE];
  int bmpCount;
  int autoClose;
  int styleIndex;
  int appliedStyleIndex;
  char previewPath[PATH_SIZE];
};

static WallpaperDialog* current;
static const char kNone[] = "無し";

static int DrawWallpaperPreview(WallpaperDialog* d, const char* path) {
  RECT screen;
  GetWindowRect(GetDesktopWindow(), &screen);
  PreviewTarget target = {GetDC(d->dialog), 2, 1, screen.right - screen.left,
                          screen.bottom - screen.top, WindowDpi(d->dialog)};
  int drawn = PaintWallpaperPreview(&target, path, d->styleIndex);
  ReleaseDC(d->dialog, target.dc);
  return drawn;
}

static int ListBitmap(const char* name, void* context) {
  char entry[PATH_SIZE];
  int length = lstrlenA(name);
  lstrcpynA(entry, name, length > 4 ? length - 4 + 1 : 1);  // less ".bmp"
  AddListBoxPath((HWND)context, entry);
  return 1;
}

static void FillWallpaperList(WallpaperDialog* d) {
  HWND list = GetDlgItem(d->dialog, IDC_WALLPAPER_LIST);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  char folder[PATH_SIZE];
  d->bmpCount = JoinText(folder, sizeof folder, d->folderPath, "\\", "")
                    ? SearchFiles(folder, "bmp", ListBitmap, list)
                    : 0;
  // Inserted rather than added, so the sorting leaves it last.
  InsertListBoxText(list, kNone, -1);
}

static void WriteStyleIndex(int index) {
  int tile, style;
  StyleValuesForIndex(index, &tile, &style);
  WriteWallpaperStyle(tile, style);
}

static void CloseWallpaperDialog(WallpaperDialog* d, int result);

static void ApplyWallpaperSelection(WallpaperDialog* d, int setIt) {
  HWND list = GetDlgItem(d->dialog, IDC_WALLPAPER_LIST);
  int p = (int)SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (p == LB_ERR) return;
  char path[PATH_SIZE] = "", entry[PATH_SIZE] = "", folder[PATH_SIZE];
  if (p != d->bmpCount && ListBoxPath(list, p, entry, sizeof entry)) {
    if (JoinText(folder, sizeof folder, d->folderPath, "\\", ""))
      JoinText(path, sizeof path, folder, entry, ".bmp");
  }
  DrawWallpaperPreview(d, path);
  lstrcpynA(d->previewPath, path, PATH_SIZE);
  if (!setIt) return;
  if (d->styleIndex != d->appliedStyleIndex) {
    d->appliedStyleIndex = d->styleIndex;
    WriteStyleIndex(d->styleIndex);
  }
  d->app->wallpaperLastNum = p;
  d->app->WriteSettingInt(SECTION_WALLPAPER, "LAST_NUM", p);
  SetWallpaper(d->app, path);
  if (IsChecked(d->dialog, IDC_AUTO_CLOSE)) CloseWallpaperDialog(d, IDOK);
}

static void ChooseWallpaperFolder(WallpaperDialog* d) {
  char chosen[PATH_SIZE] = "";
  if (!BrowseForFolder(d->dialog, "壁紙データフォルダの選択...", chosen)) return;
  // A drive's root comes back as "C:\"; the folder is kept without it.
  const char* slash = LastPathSeparator(chosen);
  if (slash && slash[1] == 0) chosen[slash - chosen] = 0;
  lstrcpynA(d->folderPath, chosen, PATH_SIZE);
  d->app->WriteSettingString(SECTION_WALLPAPER, "FOLDER_PATH", d->folderPath);
  FillWallpaperList(d);
}

static void InitWallpaperDialog(WallpaperDialog* d) {
  AppState* app = d->app;
  HWND dialog = d->dialog;
  app->openDialog = DIALOG_WALLPAPER;
  app->ReadSettingString(SECTION_WALLPAPER, "FOLDER_PATH", d->folderPath, "");
  d->autoClose = app->ReadSettingInt(SECTION_WALLPAPER, "AUTO_CLOSE", 0);
  SetChecked(dialog, IDC_AUTO_CLOSE, d->autoClose);
  SetChecked(dialog, IDC_TRANSPARENT_TEXT, app->ReadSettingInt(SECTION_WALLPAPER, "TRANSLATE", 0));
  SetChecked(dialog, IDC_TIMED_CHANGE, app->wallpaperAutoChange);
  if (!app->wallpaperAutoChange) SetMinutesEditable(dialog, 0);
  InitMinutesField(dialog, app->wallpaperChangeTime);
  int tile, style;
  ReadWallpaperStyle(&tile, &style);
  d->styleIndex = d->appliedStyleIndex = StyleIndexFromValues(tile, style);
  static const char* const kStyles[] = {"中央に表示", "並べて表示", "拡大"};
  for (const char* name : kStyles) AddComboText(GetDlgItem(dialog, IDC_STYLE), name);
  SendDlgItemMessageA(dialog, IDC_STYLE, CB_SETCURSEL, d->styleIndex, 0);
  app->ReadSettingString(SECTION_WALLPAPER, "LAST_FILE", d->previewPath, "");
  FillWallpaperList(d);
}

static void CloseWallpaperDialog(WallpaperDialog* d, int result) {
  AppState* app = d->app;
  HWND dialog = d->dialog;
  app->openDialog = DIALOG_NONE;
  d->autoClose = IsChecked(dialog, IDC_AUTO_CLOSE);
  app->WriteSettingInt(SECTION_WALLPAPER, "AUTO_CLOSE", d->autoClose);
  app->wallpaperAutoChange = IsChecked(dialog, IDC_TIMED_CHANGE);
  app->WriteSettingInt(SECTION_WALLPAPER, "AUTO_CHANGE", app->wallpaperAutoChange);
  int transparent = IsChecked(dialog, IDC_TRANSPARENT_TEXT);
  if (transparent) MakeIconTextTransparent();
  app->WriteSettingInt(SECTION_WALLPAPER, "TRANSLATE", transparent);
  if (d->styleIndex != d->appliedStyleIndex) {
    WriteStyleIndex(d->styleIndex);
    char last[PATH_SIZE];
    app->ReadSettingString(SECTION_WALLPAPER, "LAST_FILE", last, "");
    ApplyDesktopWallpaper(last);  // the new style on the wallpaper in place
  }
  app->wallpaperChangeTime = ReadMinutes(dialog);
  app->WriteSettingInt(SECTION_WALLPAPER, "CHANGE_TIME", app->wallpaperChangeTime);
  app->wallpaperMinutes = 0;
  current = nullptr;
  EndDialog(dialog, result);
}

static void OnCommand(WallpaperDialog* d, int id, int code) {
  switch (id) {
    case IDC_WALLPAPER_LIST:
      if (code == LBN_SELCHANGE || code == LBN_DBLCLK) ApplyWallpaperSelection(d, code == LBN_DBLCLK);
      break;
    case IDC_TIMED_CHANGE:
      SetMinutesEditable(d->dialog, IsChecked(d->dialog, IDC_TIMED_CHANGE));
      d->app->wallpaperMinutes = 0;
      break;
    case IDC_MINUTES:
      if (code == 0) break;
      d->app->wallpaperChangeTime = KeepMinutesAtLeastOne(d->dialog);
      d->app->wallpaperMinutes = 0;
      break;
    case IDC_CHOOSE_FOLDER:
      ChooseWallpaperFolder(d);
      break;
    case IDC_STYLE:
      if (code != CBN_SELCHANGE) break;
      d->styleIndex = (int)SendDlgItemMessageA(d->dialog, IDC_STYLE, CB_GETCURSEL, 0, 0);
      DrawWallpaperPreview(d, d->previewPath);
      break;
  }
}

static INT_PTR CALLBACK WallpaperDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  // Nothing of a closed dialog is left.
  if (message != WM_INITDIALOG && !current) return FALSE;
  switch (message) {
    case WM_INITDIALOG:
      InitWallpaperDialog(TakeDialogState(&current, dialog, lParam));
      return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(dialog, &paint);
      DrawWallpaperPreview(current, current->previewPath);
      EndPaint(dialog, &paint);
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        CloseWallpaperDialog(current, LOWORD(wParam));
        return TRUE;
      }
      OnCommand(current, LOWORD(wParam), HIWORD(wParam));
      return FALSE;
  }
  return FALSE;
}

void OpenWallpaperDialog(WallpaperDialogArgs* args) {
  if (BringForwardIfOpen(current ? current->dialog : NULL)) return;
  WallpaperDialog record = {};
  record.app = args->app;
  ShowDialog(IDD_WALLPAPER, args->owner, WallpaperDialogProc, (LPARAM)&record);
}
