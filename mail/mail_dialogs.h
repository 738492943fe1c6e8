// Dialogs 114, 113 and 117: mail settings, account edit, arrival notice.
#pragma once
#include <windows.h>

struct AppState;

void MailSettingsDialog(HWND owner, AppState* app);
