#include "settings/app_state.h"
#include "mail/account_file.h"
#include "mail/mail_dialogs.h"
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
  }
  editor->changeCount = 0;  // filling the fields is no change
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
  else if (id == IDOK) StoreAccount(dialog);
  else if (id == IDCANCEL) EndDialog(dialog, END_NOTHING);
  else return FALSE;
  return TRUE;
}

int AccountEditDialog(HWND owner, AppState* app, int index, int mode) {
  char path[PATH_SIZE];
  BuildAccountPath(app, path);
  if (mode == ACCOUNT_MODE_DELETE) {
    DeleteAccount(path, index);
    return END_STORED;
  }
  AccountEditor state = {NULL, index, mode, 0, path, app};
  INT_PTR end = ShowDialog(IDD_ACCOUNT_EDIT, owner, AccountEditProc, (LPARAM)&state);
  editor = nullptr;
  return end == END_STORED ? END_STORED : END_NOTHING;
}
