// Placeholders until the event subsystem lands.
#include "events/event_dialog.h"
#include "events/event_runner.h"

void RunDueEvents(AppState*, const SYSTEMTIME*) {}
void EventDialog(HWND, AppState*, SYSTEMTIME*) {}
