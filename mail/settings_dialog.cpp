#include "mail/mail_dialogs.h"

#include <commctrl.h>

#include "platform/later_calls.h"
#include "settings/sound.h"
#include "mail/account_file.h"
#include "mail/mail_check.h"
#include "platform/dialog_controls.h"
#include "platform/system_text.h"
#include "res/resource.h"

struct MailSettings {
  AppState* app;
  HWND clock;
  char accountPath[PATH_SIZE];
  HWND dialog;
};

static MailSettings* settings;

static void FillAccountList() {
  HWND list = GetDlgItem(settings->dialog, IDC_MAIL_LIST);
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  FileBytes file;
  if (!ReadAccountFile(settings->accountPath, &file)) return;
  char line[ACCOUNT_LINE_SIZE];
  size_t offset = 0;
  AccountEntry entry;
  while (ReadNextAccountLine(file.data, file.size, &offset, line)) {
    UnscrambleLine(line);
    SplitAccountFields(line, &entry);
    AddTwoColumnRow(list, entry.name, entry.server);
  }
  WipeSecret(line, sizeof line);
  WipeSecret(&entry, sizeof entry);
  FreeAccountFile(&file);
}

static int SelectedAccount() {
  HWND list = GetDlgItem(settings->dialog, IDC_MAIL_LIST);
  return (int)SendMessageA(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
}


static void ShowIntervalEditable() {
  SendDlgItemMessageA(settings->dialog, IDC_MAIL_INTERVAL, EM_SETREADONLY,
                      !IsChecked(settings->dialog, IDC_MAIL_AUTO), 0);
}

// The interval in the edit; below 1 (or not a number) it becomes 1, there too.
static int ReadInterval() {
  UINT minutes = GetDlgItemInt(settings->dialog, IDC_MAIL_INTERVAL, NULL, FALSE);
  if (minutes >= 1) return (int)minutes;
  SetDlgItemInt(settings->dialog, IDC_MAIL_INTERVAL, 1, FALSE);
  return 1;
}

// Keeps the field at 1 or more; the interval is stored when the dialog
// closes, and the timed check waits until then.
static void OnIntervalChange() {
  ReadInterval();
  mailMinutes = 0;
}

static void InitMailSettings(HWND dialog) {
  AppState* app = settings->app;
  InitListViewControls();
  PrepareTwoColumnList(GetDlgItem(dialog, IDC_MAIL_LIST), "アカウント", 70, "サーバアドレス", 146);
  FillAccountList();
  CheckDlgButton(dialog, IDC_MAIL_AUTO,
                 app->ReadSettingInt(Setting::mailAutoCheck) ? BST_CHECKED : BST_UNCHECKED);
  ShowIntervalEditable();
  SetDlgItemInt(dialog, IDC_MAIL_INTERVAL, (UINT)app->ReadSettingInt(Setting::mailIntervalMinutes),
                FALSE);
  SendDlgItemMessageA(dialog, IDC_MAIL_INTERVAL, EM_LIMITTEXT, 3, 0);
  CheckDlgButton(dialog, IDC_MAIL_SOUND,
                 app->ReadSettingInt(Setting::mailSound) ? BST_CHECKED : BST_UNCHECKED);
  int lan = app->ReadSettingInt(Setting::mailOverLan);
  CheckDlgButton(dialog, IDC_MAIL_LAN, lan ? BST_CHECKED : BST_UNCHECKED);
  int tls = app->ReadSettingInt(Setting::mailTlsRequired);
  CheckDlgButton(dialog, IDC_MAIL_TLS_REQUIRED, tls ? BST_CHECKED : BST_UNCHECKED);
}

// OK and Cancel alike: the settings on screen are kept.
static void CloseMailSettings(int endCode) {
  AppState* app = settings->app;
  HWND dialog = settings->dialog;
  app->WriteSettingInt(Setting::mailAutoCheck, IsChecked(dialog, IDC_MAIL_AUTO));
  app->WriteSettingInt(Setting::mailOverLan, IsChecked(dialog, IDC_MAIL_LAN));
  app->WriteSettingInt(Setting::mailTlsRequired, IsChecked(dialog, IDC_MAIL_TLS_REQUIRED));
  app->WriteSettingInt(Setting::mailSound, IsChecked(dialog, IDC_MAIL_SOUND));
  app->WriteSettingInt(Setting::mailIntervalMinutes, ReadInterval());
  mailMinutes = 0;
  EndDialog(settings->dialog, endCode);
}

static void EditAccount(int index, int mode) {
  if (AccountEditDialog(settings->dialog, settings->clock, settings->app, index, mode) == 1)
    FillAccountList();
}

static void OnMailSettingsCommand(int id, int code) {
  int selected = SelectedAccount();
  switch (id) {
    case IDC_MAIL_INTERVAL:
      if (code == EN_CHANGE) OnIntervalChange();
      break;
    case IDC_MAIL_AUTO:
      ShowIntervalEditable();
      break;
    case IDC_MAIL_NEW:
      EditAccount(-1, ACCOUNT_MODE_NEW);
      break;
    case IDC_MAIL_EDIT:
      if (selected >= 0) EditAccount(selected, ACCOUNT_MODE_EDIT);
      break;
    case IDC_MAIL_DELETE:
      if (selected >= 0) EditAccount(selected, ACCOUNT_MODE_DELETE);
      break;
    case IDC_MAIL_SOUNDFILE:
      ChooseWaveFile(settings->app, settings->dialog, Setting::mailSoundFile);
      break;
    case IDOK:
    case IDCANCEL:
      CloseMailSettings(id);
      break;
  }
}

static INT_PTR CALLBACK MailSettingsProc(HWND dialog, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    TakeDialogState(&settings, dialog, lParam);
    InitMailSettings(dialog);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  OnMailSettingsCommand(LOWORD(wParam), HIWORD(wParam));
  return TRUE;
}

void MailSettingsDialog(HWND owner, AppState* app) {
  if (BringForwardIfOpen(settings ? settings->dialog : NULL)) return;
  MailSettings state = {app, owner, "", NULL};
  if (!BuildAccountPath(app, owner, state.accountPath)) return;
  ShowDialog(IDD_MAIL_SETTINGS, owner, MailSettingsProc, (LPARAM)&state);
  settings = nullptr;
}
