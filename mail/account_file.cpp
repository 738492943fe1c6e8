#include "mail/account_file.h"

#include <stdlib.h>

#include "base/paths.h"
#include "base/product.h"
#include "platform/dialog_controls.h"
#include "platform/file_replace.h"
#include "platform/system_text.h"
#include "res/resource.h"

int BuildAccountPath(const AppState* app, HWND owner, char path[PATH_SIZE]) {
  static int told;
  if (RewrittenFilePath(app->dataDir, ZT_APP_NAME, ".mld", path)) return 1;
  TellDataFileTooDeep(owner, "アカウントファイル", &told);
  return 0;
}

int ReadAccountFile(const char* path, FileBytes* bytes) {
  return ReadDataFile(path, ACCOUNT_FILE_CAP, bytes) == FILE_READ_OK;
}

void FreeAccountFile(FileBytes* bytes) {
  if (bytes->data) WipeSecret(bytes->data, bytes->size);
  FreeFileBytes(bytes);
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
  WipeSecret(line, sizeof line);
  FreeAccountFile(&file);
}

int CheckNoComma(HWND clock, const char* text) {
  if (IsStorableField(text)) return 1;
  TellUnusableCharacter(clock);
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
    if (!CheckNoComma(editor->clock, f)) return 0;
  return 1;
}

// The validated fields as a stored line, or 0.
static int BuildEditedLine(AccountEditor* editor, char line[ACCOUNT_LINE_SIZE]) {
  AccountEntry entry;
  int built = ValidateAccountFields(editor, &entry) && BuildAccountLine(&entry, line, ACCOUNT_LINE_SIZE);
  WipeSecret(&entry, sizeof entry);
  return built;
}

// The account could not be stored although its fields are fine: the
// dialog stays open with what the user typed.
static int NotWritten(AccountEditor* editor) {
  ShowMessage(editor->dialog, "アカウントファイルに書き込めませんでした", "エラー",
              MB_OK | MB_ICONEXCLAMATION);
  return 0;
}

// Wipes and frees the new contents of the file.
static void FreeRewrite(char* out, size_t size) {
  if (out) WipeSecret(out, size);
  free(out);
}

// The file with line added at its end, written back; the caller holds the lock.
static int AddToAccountFile(const char* path, const char* line) {
  FileBytes file;
  if (!ReadAccountFileOrNone(path, &file)) return 0;
  size_t room = file.size + 1 + ACCOUNT_LINE_SIZE;
  char* out = (char*)malloc(room);
  int stored =
      out && ReplaceDataFile(path, out, AppendAccountLine(file.data, file.size, line, out));
  FreeRewrite(out, room);
  FreeAccountFile(&file);
  return stored;
}

// The file with line index replaced (or removed when line is null),
// written back; the caller holds the lock.
static int RewriteAccountFile(const char* path, int index, const char* line) {
  FileBytes file;
  if (!ReadAccountFile(path, &file)) return 0;
  size_t room = file.size + ACCOUNT_LINE_SIZE;
  char* out = (char*)malloc(room);
  size_t length;
  int stored = out && RewriteAccountLines(file.data, file.size, index, line, out, &length) &&
               ReplaceDataFile(path, out, length);
  FreeRewrite(out, room);
  FreeAccountFile(&file);
  return stored;
}

// Adds line (index -1) or rewrites line index, under the file's lock.
static int StoreAccountLine(const char* path, int index, const char* line) {
  if (!LockDataFile(path)) return 0;
  int stored = index < 0 ? AddToAccountFile(path, line) : RewriteAccountFile(path, index, line);
  UnlockDataFile();
  return stored;
}

int AppendAccount(AccountEditor* editor) {
  char line[ACCOUNT_LINE_SIZE];
  if (!BuildEditedLine(editor, line)) return 0;
  int stored = StoreAccountLine(editor->accountPath, -1, line);
  WipeSecret(line, sizeof line);
  return stored ? 1 : NotWritten(editor);
}

int ReplaceAccount(AccountEditor* editor, int index) {
  char line[ACCOUNT_LINE_SIZE];
  if (!BuildEditedLine(editor, line)) return 0;
  int stored = StoreAccountLine(editor->accountPath, index, line);
  WipeSecret(line, sizeof line);
  return stored ? 1 : NotWritten(editor);
}

void DeleteAccount(const char* path, int index) {
  if (index >= 0) StoreAccountLine(path, index, nullptr);  // -1 would add
}
