#include "mail/account_file.h"

#include <stdlib.h>

#include "base/paths.h"
#include "platform/file_replace.h"
#include "platform/system_text.h"
#include "res/resource.h"

void BuildAccountPath(const AppState* app, char path[PATH_SIZE]) {
  DataFilePath(app->dataDir, app->appName, ".mld", path);
}

int ReadAccountFile(const char* path, FileBytes* bytes) {
  return ReadDataFile(path, ACCOUNT_FILE_CAP, bytes) == FILE_READ_OK;
}

// Reading a file that is not there is not an error when adding the first account.
static int ReadAccountFileOrNone(const char* path, FileBytes* bytes) {
  int read = ReadDataFile(path, ACCOUNT_FILE_CAP, bytes);
  return read == FILE_READ_OK || read == FILE_MISSING;
}

void ReadAccount(const char* path, int index, AccountEntry* entry) {
  memset(entry, 0, sizeof *entry);
  FileBytes file;
  if (!ReadAccountFile(path, &file)) return;
  char line[ACCOUNT_LINE_SIZE];
  size_t offset = 0;
  for (int i = 0; ReadNextAccountLine(file.data, file.size, &offset, line); i++)
    if (i == index) {
      UnscrambleLine(line);
      SplitAccountFields(line, entry);
      break;
    }
  FreeFileBytes(&file);
}

int CheckNoComma(AppState* app, const char* text) {
  if (IsStorableField(text)) return 1;
  ShowMessage(app->hwnd, "使用できない記号が含まれています", "エラー", MB_OK);
  return 0;
}

int ValidateAccountFields(AccountEditor* editor, AccountEntry* entry) {
  memset(entry, 0, sizeof *entry);
  HWND d = editor->dialog;
  // The user and password edits take 42 characters; 41 bytes of them are kept.
  if (!ReadTypedText(d, IDC_ACCOUNT_NAME, entry->name, sizeof entry->name) ||
      !ReadTypedText(d, IDC_ACCOUNT_SERVER, entry->server, sizeof entry->server) ||
      !ReadTypedText(d, IDC_ACCOUNT_USER, entry->user, 42) ||
      !ReadTypedText(d, IDC_ACCOUNT_PASSWORD, entry->password, 42))
    return 0;
  static const char* const emptyMessages[] = {
      "", "登録名がありません", "サーバーアドレスがありません", "ユーザー名がありません",
      "パスワードがありません"};
  AccountCheck check = CheckAccountFields(entry);
  if (check >= ACCOUNT_NO_NAME && check <= ACCOUNT_NO_PASSWORD) {
    ShowMessage(d, emptyMessages[check], "WORNING", MB_OK | MB_ICONEXCLAMATION);
    return 0;
  }
  const char* fields[] = {entry->name, entry->server, entry->user, entry->password};
  for (const char* f : fields)
    if (!CheckNoComma(editor->app, f)) return 0;
  return 1;
}

// The validated fields as a stored line, or 0.
static int BuildEditedLine(AccountEditor* editor, char line[ACCOUNT_LINE_SIZE]) {
  AccountEntry entry;
  return ValidateAccountFields(editor, &entry) && BuildAccountLine(&entry, line, ACCOUNT_LINE_SIZE);
}

// The account could not be stored although its fields are fine: the
// dialog stays open with what the user typed.
static int NotWritten(AccountEditor* editor) {
  ShowMessage(editor->dialog, "アカウントファイルに書き込めませんでした", "エラー",
              MB_OK | MB_ICONEXCLAMATION);
  return 0;
}

int AppendAccount(AccountEditor* editor) {
  char line[ACCOUNT_LINE_SIZE];
  FileBytes file;
  if (!BuildEditedLine(editor, line)) return 0;
  if (!ReadAccountFileOrNone(editor->accountPath, &file)) return NotWritten(editor);
  char* out = (char*)malloc(file.size + 1 + ACCOUNT_LINE_SIZE);
  int stored = out && ReplaceDataFile(editor->accountPath, out,
                                      AppendAccountLine(file.data, file.size, line, out));
  free(out);
  FreeFileBytes(&file);
  return stored ? 1 : NotWritten(editor);
}

// The file with line index replaced (or removed when line is null), written back.
static int RewriteAccountFile(const char* path, int index, const char* line) {
  FileBytes file;
  if (!ReadAccountFile(path, &file)) return 0;
  char* out = (char*)malloc(file.size + ACCOUNT_LINE_SIZE);
  size_t length;
  int stored = out && RewriteAccountLines(file.data, file.size, index, line, out, &length) &&
               ReplaceDataFile(path, out, length);
  free(out);
  FreeFileBytes(&file);
  return stored;
}

int ReplaceAccount(AccountEditor* editor, int index) {
  char line[ACCOUNT_LINE_SIZE];
  if (!BuildEditedLine(editor, line)) return 0;
  return RewriteAccountFile(editor->accountPath, index, line) ? 1 : NotWritten(editor);
}

void DeleteAccount(const char* path, int index) { RewriteAccountFile(path, index, nullptr); }
