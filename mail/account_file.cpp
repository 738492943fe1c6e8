#include "mail/account_file.h"

#include <stdio.h>

#include "base/cp932.h"
#include "res/resource.h"

void BuildAccountPath(const AppState* app, char path[PATH_SIZE]) {
  snprintf(path, PATH_SIZE, "%s%s.mld", app->dataDir, app->appName);
}

int ReadAccountFile(const char* path, std::string* bytes) {
  bytes->clear();
  FILE* f = fopen(path, "rb");
  if (!f) return 0;
  char chunk[4096];
  size_t n;
  while ((n = fread(chunk, 1, sizeof chunk, f)) > 0) bytes->append(chunk, n);
  int ok = !ferror(f);
  fclose(f);
  return ok;
}

// Reading a file that is not there is not an error when adding the first account.
static int ReadAccountFileOrNone(const char* path, std::string* bytes) {
  if (ReadAccountFile(path, bytes)) return 1;
  return GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES &&
         GetLastError() == ERROR_FILE_NOT_FOUND;
}

// Writes a new file beside the old one, then puts it in its place, so a
// failure anywhere leaves the old file whole.
static int StoreAccountFile(const char* path, const std::string& bytes) {
  char temp[PATH_SIZE + 8];
  snprintf(temp, sizeof temp, "%s.new", path);
  FILE* f = fopen(temp, "wb");
  if (!f) return 0;
  int ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = fclose(f) == 0 && ok;
  // A check reading the file at this moment holds it briefly; try again.
  for (int tries = 0; ok && tries < 20; tries++) {
    if (MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 1;
    Sleep(50);
  }
  DeleteFileA(temp);
  return 0;
}

void ReadAccount(const char* path, int index, AccountEntry* entry) {
  memset(entry, 0, sizeof *entry);
  std::string file;
  if (!ReadAccountFile(path, &file)) return;
  char line[ACCOUNT_LINE_SIZE];
  size_t offset = 0;
  for (int i = 0; ReadNextAccountLine(file, &offset, line); i++)
    if (i == index) {
      UnscrambleLine(line);
      SplitAccountFields(line, entry);
      return;
    }
}

// Edit text cut at a character boundary to the field's length.
static void ReadField(HWND dialog, int id, char* field, size_t fieldSize) {
  char text[256];
  GetDlgItemTextA(dialog, id, text, sizeof text);
  CopyTextCut(field, fieldSize, text);
}

int CheckNoComma(AppState* app, const char* text) {
  if (IsStorableField(text)) return 1;
  MessageBoxA(app->hwnd, "使用できない記号が含まれています", "エラー", MB_OK);
  return 0;
}

int ValidateAccountFields(AccountEditor* editor, AccountEntry* entry) {
  memset(entry, 0, sizeof *entry);
  HWND d = editor->dialog;
  // The user and password edits take 42 characters; 41 of them are kept.
  ReadField(d, IDC_ACCOUNT_NAME, entry->name, sizeof entry->name);
  ReadField(d, IDC_ACCOUNT_SERVER, entry->server, sizeof entry->server);
  ReadField(d, IDC_ACCOUNT_USER, entry->user, 42);
  ReadField(d, IDC_ACCOUNT_PASSWORD, entry->password, 42);
  static const char* const emptyMessages[] = {
      "", "登録名がありません", "サーバーアドレスがありません", "ユーザー名がありません",
      "パスワードがありません"};
  AccountCheck check = CheckAccountFields(entry);
  if (check >= ACCOUNT_NO_NAME && check <= ACCOUNT_NO_PASSWORD) {
    MessageBoxA(d, emptyMessages[check], "WORNING", MB_OK | MB_ICONEXCLAMATION);
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

int AppendAccount(AccountEditor* editor) {
  char line[ACCOUNT_LINE_SIZE];
  std::string file;
  if (!BuildEditedLine(editor, line) || !ReadAccountFileOrNone(editor->accountPath, &file))
    return 0;
  return StoreAccountFile(editor->accountPath, AppendAccountLine(file, line));
}

int ReplaceAccount(AccountEditor* editor, int index) {
  char line[ACCOUNT_LINE_SIZE];
  std::string file, out;
  if (!BuildEditedLine(editor, line) || !ReadAccountFile(editor->accountPath, &file)) return 0;
  return RewriteAccountLines(file, index, line, &out) && StoreAccountFile(editor->accountPath, out);
}

void DeleteAccount(const char* path, int index) {
  std::string file, out;
  if (ReadAccountFile(path, &file) && RewriteAccountLines(file, index, nullptr, &out))
    StoreAccountFile(path, out);
}
