// What a due event does.
#pragma once
#include <windows.h>

// Opens or runs a file through the shell, default verb, shown; the path
// as the event file holds it (base/unicode.h).
void OpenEventFile(const char* stored);
// Shows text in a "Message" box without owner; returns when it is closed.
void ShowEventMessage(const char* text);
// Shuts the system down, forced or not, as each system family allows.
int ShutdownSystem(int forced);
