// The POP3 check on its worker thread.
#pragma once

struct AppState;
struct AccountEntry;

// Waits allowed for a server before its dialogue is given up.
enum { MAIL_CONNECT_TIMEOUT_MS = 10000, MAIL_RECEIVE_TIMEOUT_MS = 20000 };

void StartMailCheck(AppState* app);
// One account's dialogue; appends its report line. Gives the message
// count, or 1 after a failure.
int CheckPop3Account(const AccountEntry* account, char* report);
