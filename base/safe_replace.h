// Rewriting a data file without losing it: the new contents go to a file
// beside it ("NAME.new"), flushed to disk and closed, which then takes the
// old file's place. A reader (the mail check's thread, a user's editor)
// may hold the old file for a moment, so the replacement is retried for
// about a second.
//
// Where the system has no one-step move the old file is deleted before
// the new one is renamed, and a rename that keeps failing (or a power cut)
// leaves NAME missing beside NAME.new. NAME.new is then whole: the old
// file goes only after the new one was written, flushed and closed, and
// no writer opens NAME.new while NAME is missing. Readers and writers
// first finish such a replacement.
#pragma once
#include <stddef.h>
#include <stdio.h>

#include "base/paths.h"

// The file system calls the replacement needs, given by the platform.
struct ReplaceOps {
  // Moves from over to in one step: 1 done, 0 failed, -1 when the system
  // does not implement such a move (Windows 95, 98 and Me).
  int (*moveReplacing)(const char* from, const char* to);
  int (*move)(const char* from, const char* to);  // fails when to exists
  int (*remove)(const char* path);
  void (*sleep)(int ms);
  int (*flushToDisk)(FILE* file);  // the written bytes on the disk; 1 done
  FILE* (*open)(const char* path, const char* mode);  // fopen; errno ENOENT when missing
};

enum { REPLACE_TRIES = 20, REPLACE_WAIT_MS = 50 };

// NAME.new for path into temp; 0 when it does not fit.
int NewFilePath(const char* path, char temp[PATH_SIZE]);

// Moves NAME.new into place when an earlier replacement stopped between
// its two steps. 1 when nothing is left waiting, 0 when NAME is still
// missing beside NAME.new (the move failed).
int FinishReplacement(const char* path, const ReplaceOps* ops);

// Writes size bytes as the new contents of path. 1 on success. On failure
// path keeps its old contents, or, where the system has no one-step move
// and the old file was already deleted, the complete new ones wait in
// NAME.new: one of the two is always whole.
int ReplaceFileContents(const char* path, const void* bytes, size_t size, const ReplaceOps* ops);
