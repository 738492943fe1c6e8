// The account file ZENTICK.mld: reading it, and the edit dialog's add,
// replace and delete with their validation messages.
#pragma once
#include <windows.h>

#include <string>

#include "app/app_state.h"
#include "mail/account_format.h"

// The state of one run of the account edit dialog.
struct AccountEditor {
  HWND dialog;
  int index;        // line index, -1 for a new account
  int mode;         // ACCOUNT_MODE_*
  int changeCount;  // edit notifications since the fields were filled
  const char* accountPath;
  AppState* app;
};

enum { ACCOUNT_MODE_DELETE = -1, ACCOUNT_MODE_EDIT = 0, ACCOUNT_MODE_NEW = 1 };

void BuildAccountPath(const AppState* app, char path[PATH_SIZE]);

// The whole file; 0 when it is missing or cannot be read.
int ReadAccountFile(const char* path, std::string* bytes);

// Fields of the line at index; all empty when there is no such line.
void ReadAccount(const char* path, int index, AccountEntry* entry);

// The four edit fields, or one message and 0.
int ValidateAccountFields(AccountEditor* editor, AccountEntry* entry);
// 1 when text can be stored; otherwise the message, owned by the clock.
int CheckNoComma(AppState* app, const char* text);

int AppendAccount(AccountEditor* editor);
int ReplaceAccount(AccountEditor* editor, int index);
void DeleteAccount(const char* path, int index);
