// The event file ZENTICK.evt in the data folder: read whole, rewritten by
// replacement so that a failed write leaves it as it was.
#pragma once
#include <windows.h>
#include <stddef.h>

#include "base/file_bytes.h"
#include "base/paths.h"

struct AppState;

// A hand-made file larger than this is not read.
enum { EVENT_FILE_CAP = 4 << 20 };

// The file's path into path; 0 if it does not fit, which the user is told
// the first time.
int EventFilePath(const AppState* app, HWND owner, char path[PATH_SIZE]);
// 0 when the file cannot be opened or read; free text with FreeFileBytes.
int ReadEventText(const char* path, FileBytes* text);
// Adds one line at the end, starting a new line first if the last one
// (a hand-edited one) has no line feed.
int AppendEventLine(const char* path, const char* line, size_t length);
// Removes line index (counted by line feeds); 0 if the file is unchanged.
int DeleteEventLine(const char* path, size_t index);
// Both hold the file's lock from reading to writing, so that no line
// another process or thread adds meanwhile is lost.
