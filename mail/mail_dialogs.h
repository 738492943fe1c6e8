// IDD_MAIL_SETTINGS, IDD_ACCOUNT_EDIT and IDD_MAIL_ARRIVAL: the mail settings,
// the account editor and the arrival notice.
#pragma once
#include <windows.h>

struct AppState;
struct MailReport;

void MailSettingsDialog(HWND owner, AppState* app);
// 1 when an account was stored (or deleted, mode -1), 2 when nothing was;
// its messages are owned by the clock.
int AccountEditDialog(HWND owner, HWND clock, AppState* app, int index, int mode);
// Modal on the calling thread; returns when the user closes it.
void MailArrivalDialog(HWND owner, const MailReport* report);
// The arrival notice while it is open, else NULL.
HWND OpenMailNotice();

// The two-column lists of the settings dialog and the notice.
void PrepareTwoColumnList(HWND list, const char* first, int firstWidth, const char* second,
                          int secondWidth);
void AddTwoColumnRow(HWND list, const char* first, const char* second);
