// Placeholders until the mail subsystem lands.
#include "app/app_state.h"
#include "mail/mail_check.h"
#include "mail/mail_dialogs.h"

void StartMailCheck(AppState* app) { app->mailMinutes = 0; }
void MailSettingsDialog(HWND, AppState*) {}
