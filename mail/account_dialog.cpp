#include "base/format_text.h"
#include "settings/app_state.h"
#include "mail/account_file.h"
#include "mail/mail_dialogs.h"
#include "mail/tls_memory_file.h"
#include "platform/dialog_controls.h"
#include "platform/system_text.h"
#include "res/resource.h"

enum { END_STORED = 1, END_NOTHING = 2 };

static AccountEditor* editor;

static void FillAccountEdits(HWND dialog) {
  static const struct { int id; int limit; } edits[] = {
      {IDC_ACCOUNT_NAME, 32}, {IDC_ACCOUNT_SERVER, 64},
      {IDC_ACCOUNT_USER, 42}, {IDC_ACCOUNT_PASSWORD, 42}};
  for (const auto& e : edits) SendDlgItemMessageA(dialog, e.id, EM_LIMITTEXT, e.limit, 0);
  if (editor->mode == ACCOUNT_MODE_EDIT) {
    AccountEntry entry;
    ReadAccount(editor->accountPath, editor->index, &entry);
    SetControlText(dialog, IDC_ACCOUNT_NAME, entry.name);
    SetControlText(dialog, IDC_ACCOUNT_SERVER, entry.server);
    SetControlText(dialog, IDC_ACCOUNT_USER, entry.user);
    SetControlText(dialog, IDC_ACCOUNT_PASSWORD, entry.password);
    char memory[PATH_SIZE];
    BuildTlsMemoryPath(editor->app, memory);
    EnableWindow(GetDlgItem(dialog, IDC_ACCOUNT_FORGET_TLS),
                 IsTlsServerRemembered(memory, entry.server));
    WipeSecret(&entry, sizeof entry);
  }
  editor->changeCount = 0;  // filling the fields is no change
}

static const char kForgetWhy[] =
    "このアカウントのサーバー（%s）とは、以前 STLS で暗号化（TLS）してつながりました。"
    "そのため、サーバーが STLS を示さないときは、ユーザー名もパスワードも送らずに"
    "チェックをやめています。\n\n"
    "STLS が消えたのは、通信の途中で誰かが消したため（パスワードを盗む手口です）かも"
    "しれません。プロバイダーがサーバーを変えて TLS をやめたと確かめられたときだけ、"
    "記憶を消してください。\n\n"
    "消すと、「暗号化（TLS）を必須にする」がオフなら、次のチェックから TLS を使えない"
    "このサーバーにパスワードを暗号化せずに送ります。\n\n"
    "記憶を消しますか？";

// The stored account's server is forgotten once the user has read why it
// is remembered and said yes.
static void ForgetTls(HWND dialog) {
  AccountEntry entry;
  ReadAccount(editor->accountPath, editor->index, &entry);
  char server[ACCOUNT_SERVER_SIZE];
  memcpy(server, entry.server, sizeof server);
  WipeSecret(&entry, sizeof entry);
  char why[sizeof kForgetWhy + ACCOUNT_SERVER_SIZE];
  FormatText(why, sizeof why, kForgetWhy, server);
  if (ShowMessage(dialog, why, "TLSの記憶", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
    return;
  char memory[PATH_SIZE];
  BuildTlsMemoryPath(editor->app, memory);
  if (!ForgetTlsServer(memory, server)) {
    ShowMessage(dialog, "data\\ZENTICK.tls に書き込めませんでした", "エラー",
                MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  // The button goes grey; the focus must not stay on it.
  SendMessageA(dialog, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(dialog, IDOK), TRUE);
  EnableWindow(GetDlgItem(dialog, IDC_ACCOUNT_FORGET_TLS), FALSE);
}

static void StoreAccount(HWND dialog) {
  if (editor->changeCount == 0) {
    EndDialog(dialog, END_NOTHING);
    return;
  }
  int stored = editor->mode == ACCOUNT_MODE_NEW ? AppendAccount(editor)
                                                : ReplaceAccount(editor, editor->index);
  if (stored) EndDialog(dialog, END_STORED);
}

static INT_PTR CALLBACK AccountEditProc(HWND dialog, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    FillAccountEdits(TakeDialogState(&editor, dialog, lParam)->dialog);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  int id = LOWORD(wParam);
  if (HIWORD(wParam) == EN_CHANGE && id >= IDC_ACCOUNT_SERVER && id <= IDC_ACCOUNT_NAME)
    editor->changeCount += 1;
  else if (id == IDC_ACCOUNT_FORGET_TLS) ForgetTls(dialog);
  else if (id == IDOK) StoreAccount(dialog);
  else if (id == IDCANCEL) EndDialog(dialog, END_NOTHING);
  else return FALSE;
  return TRUE;
}

int AccountEditDialog(HWND owner, HWND clock, AppState* app, int index, int mode) {
  char path[PATH_SIZE];
  if (!BuildAccountPath(app, owner, path)) return END_NOTHING;
  if (mode == ACCOUNT_MODE_DELETE) {
    DeleteAccount(path, index);
    return END_STORED;
  }
  AccountEditor state = {NULL, index, mode, 0, path, clock, app};
  INT_PTR end = ShowDialog(IDD_ACCOUNT_EDIT, owner, AccountEditProc, (LPARAM)&state);
  editor = nullptr;
  return end == END_STORED ? END_STORED : END_NOTHING;
}
