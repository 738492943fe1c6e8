// The POP3 check on its worker thread.
#pragma once
#include <windows.h>

struct AppState;
struct JobCall;

enum MailCheckStart { MAIL_CHECK_STARTED, MAIL_CHECK_BUSY, MAIL_CHECK_OFFLINE, MAIL_CHECK_NO_FILE };
// Starts a check unless one is still running or its notice is open, or
// there is neither a LAN (as the settings say) nor a dial-up connection,
// or the account file's path does not fit (said once); the interval
// count restarts either way. The notice is owned by the clock.
MailCheckStart StartMailCheck(AppState* app, HWND clock);
// The menu's check: brings an open notice forward instead of a new check,
// and says so when no connection lets a check start.
void CheckMailNow(AppState* app, HWND clock);
// The machine resumed: for a minute from now a server name that does not
// resolve is waited for rather than reported as not found.
void NoteResume();
// 1 from the start of a check until its notice is closed.
int MailCheckBusy();
// Minute boundaries counted since the last check started: the minute job
// counts them, a check and the mail settings start them anew.
extern int mailMinutes;
// The minute job: counts the interval and starts the timed check when it
// has passed, unless the mail settings are open.
void CountMailMinute(const JobCall* call);
