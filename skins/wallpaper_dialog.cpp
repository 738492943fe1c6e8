#include "skins/wallpaper_dialog.h"

#include "settings/app_state.h"
#include "base/paths.h"
#include "res/resource.h"
#include "platform/dialog_controls.h"
#include "platform/file_chooser.h"
#include "skins/minutes_field.h"
#include "skins/file_search.h"
#include "skins/image_changer.h"
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
  int styleIndex;  // the style box's entry
  int appliedStyleIndex;
  StyleBox styles;
  char previewPath[PATH_SIZE];
};

static WallpaperDialog* current;
static const char kNone[] = "無し";

// The screen, and every monitor around it (none on systems that know one).
static PreviewScreen ScreenOfDesktop() {
  RECT screen;
  GetWindowRect(GetDesktopWindow(), &screen);
  return PreviewScreen{screen.right - screen.left, screen.bottom - screen.top,
                       GetSystemMetrics(SM_XVIRTUALSCREEN) - screen.left,
                       GetSystemMetrics(SM_YVIRTUALSCREEN) - screen.top,
                       GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

static int DrawWallpaperPreview(WallpaperDialog* d, const char* path) {
  PreviewTarget target = {GetDC(d->dialog), 2, 1, ScreenOfDesktop(), WindowDpi(d->dialog)};
  int drawn =
      PaintWallpaperPreview(&target, path, EntryPreviewStyle(&d->styles, d->styleIndex));
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

static void WriteStyleEntry(WallpaperDialog* d, int entry) {
  int tile, style;
  EntryValues(&d->styles, entry, &tile, &style);
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
    WriteStyleEntry(d, d->styleIndex);
  }
  d->app->WriteSettingInt(Setting::wallpaperIndex, p);
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
  d->app->WriteSettingString(Setting::wallpaperFolder, d->folderPath);
  FillWallpaperList(d);
}

// The styles this system draws, and the style in place even when it is
// none of them.
static void FillStyleBox(WallpaperDialog* d) {
  // The names Windows 10 and 11 give them in their own settings.
  static const char* const kStyles[STYLE_COUNT] = {
      "中央に表示", "並べて表示", "拡大", "画面のサイズに合わせる", "ページ幅に合わせる", "スパン"};
  int tile, style;
  ReadWallpaperStyle(&tile, &style);
  PlanStyleBox(DesktopStyleCount(), tile, style, &d->styles);
  HWND box = GetDlgItem(d->dialog, IDC_STYLE);
  for (int i = 0; i < d->styles.offered; i++) AddComboText(box, kStyles[i]);
  if (d->styles.stranger) {
    char name[40];
    wsprintfA(name, "不明なスタイル (%d)", style);
    AddComboText(box, name);
  }
  d->styleIndex = d->appliedStyleIndex = d->styles.selected;
  SendMessageA(box, CB_SETCURSEL, d->styleIndex, 0);
}

static void InitWallpaperDialog(WallpaperDialog* d) {
  AppState* app = d->app;
  HWND dialog = d->dialog;
  app->ReadSettingString(Setting::wallpaperFolder, d->folderPath);
  d->autoClose = app->ReadSettingInt(Setting::wallpaperAutoClose);
  SetChecked(dialog, IDC_AUTO_CLOSE, d->autoClose);
  SetChecked(dialog, IDC_TRANSPARENT_TEXT, app->ReadSettingInt(Setting::iconTextTransparent));
  int timed = app->ReadSettingInt(Setting::wallpaperChangeTimed);
  SetChecked(dialog, IDC_TIMED_CHANGE, timed);
  if (!timed) SetMinutesEditable(dialog, 0);
  InitMinutesField(dialog, app->ReadSettingInt(Setting::wallpaperIntervalMinutes));
  FillStyleBox(d);
  app->ReadSettingString(Setting::wallpaperLastFile, d->previewPath);
  FillWallpaperList(d);
}

static void CloseWallpaperDialog(WallpaperDialog* d, int result) {
  AppState* app = d->app;
  HWND dialog = d->dialog;
  d->autoClose = IsChecked(dialog, IDC_AUTO_CLOSE);
  app->WriteSettingInt(Setting::wallpaperAutoClose, d->autoClose);
  app->WriteSettingInt(Setting::wallpaperChangeTimed, IsChecked(dialog, IDC_TIMED_CHANGE));
  int transparent = IsChecked(dialog, IDC_TRANSPARENT_TEXT);
  if (transparent) MakeIconTextTransparent();
  app->WriteSettingInt(Setting::iconTextTransparent, transparent);
  if (d->styleIndex != d->appliedStyleIndex) {
    WriteStyleEntry(d, d->styleIndex);
    char last[PATH_SIZE];
    app->ReadSettingString(Setting::wallpaperLastFile, last);
    ApplyDesktopWallpaper(last);  // the new style on the wallpaper in place
  }
  app->WriteSettingInt(Setting::wallpaperIntervalMinutes, ReadMinutes(dialog));
  wallpaperMinutes = 0;
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
      wallpaperMinutes = 0;
      break;
    case IDC_MINUTES:
      if (code == 0) break;
      // Stored when the dialog closes; the timed change waits until then.
      KeepMinutesAtLeastOne(d->dialog);
      wallpaperMinutes = 0;
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
