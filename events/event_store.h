// The event file ZENTICK.evt in the data folder: read whole, rewritten by
// replacement so that a failed write leaves it as it was.
#pragma once
#include <windows.h>
#include <stddef.h>

struct AppState;

struct EventText {
  char* bytes;  // not NUL-terminated; free with FreeEventText
  size_t length;
};

// The file's path into path (MAX_PATH bytes); 0 if it does not fit.
int EventFilePath(const AppState* app, char* path);
// 0 when the file cannot be opened or read.
int ReadEventText(const char* path, EventText* text);
void FreeEventText(EventText* text);
// Writes bytes to a new file beside path, then puts it in path's place.
int ReplaceEventFile(const char* path, const char* bytes, size_t length);
// Adds one line at the end, starting a new line first if the last one
// (a hand-edited one) has no line feed.
int AppendEventLine(const char* path, const char* line, size_t length);
// Removes line index (counted by line feeds); 0 if the file is unchanged.
int DeleteEventLine(const char* path, size_t index);
