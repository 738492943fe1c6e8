// The POP3 check on its worker thread.
#pragma once

struct AppState;

void StartMailCheck(AppState* app);
