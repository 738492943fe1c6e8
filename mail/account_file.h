// The account file ZENTICK.mld: reading it, and the edit dialog's add,
// replace and delete with their validation messages.
#pragma once
#include <windows.h>

#include "settings/app_state.h"
#include "base/file_bytes.h"
#include "mail/account_format.h"

// The state of one run of the account edit dialog.
struct AccountEditor {
  HWND dialog;
  int index;        // line index, -1 for a new account
  int mode;         // ACCOUNT_MODE_*
  int changeCount;  // edit notifications since the fields were filled
  const char* accountPath;
  HWND clock;  // owner of the validation messages
  AppState* app;
};

enum { ACCOUNT_MODE_DELETE = -1, ACCOUNT_MODE_EDIT = 0, ACCOUNT_MODE_NEW = 1 };

// The file's path into path; 0 if it does not fit, which the user is told
// the first time.
int BuildAccountPath(const AppState* app, HWND owner, char path[PATH_SIZE]);

// A hand-made file larger than this is not read.
enum { ACCOUNT_FILE_CAP = 1 << 20 };

// The whole file, freed with FreeAccountFile; 0 when it is missing, too
// big or cannot be read.
int ReadAccountFile(const char* path, FileBytes* bytes);
// Wipes the passwords the bytes hold (the scrambling hides nothing) and
// frees them.
void FreeAccountFile(FileBytes* bytes);

// Fields of the line at index; all empty when there is no such line.
void ReadAccount(const char* path, int index, AccountEntry* entry);

// The four edit fields, or one message and 0.
int ValidateAccountFields(AccountEditor* editor, AccountEntry* entry);
// 1 when text can be stored: no comma, and no byte the scrambling would
// turn into a separator. Otherwise it shows the message, owned by the
// clock, and gives 0.
int CheckNoComma(HWND clock, const char* text);

// Both give 1 when the account was stored; when the fields are valid but
// the file cannot be written they say so and give 0. The file's lock is
// held from reading to writing, so no account another process or thread
// stores meanwhile is lost.
int AppendAccount(AccountEditor* editor);
int ReplaceAccount(AccountEditor* editor, int index);
void DeleteAccount(const char* path, int index);
