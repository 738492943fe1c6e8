// Rewriting a data file without losing it. The new contents are written
// to NAME.tmp, flushed to the disk and closed, and only then given a name
// that anyone reads: NAME itself, in one step, where the system can move
// a file over another; else NAME.new, which takes NAME's place in two
// steps (the old file is deleted, NAME.new renamed). So NAME.new is only
// ever a whole file, and a cut at any moment, the first write of a file
// included, leaves one whole copy: NAME, or where NAME is missing,
// NAME.new, which readers read in its place and which the next reader or
// writer moves in first. A NAME.tmp left by a cut is never read; the next
// rewrite writes over it.
//
// A reader (the mail check's thread, a user's editor) may hold NAME for a
// moment, so the replacement is retried for about a second. Callers keep
// other writers of the same file out while they rewrite it.
#pragma once
#include <stddef.h>

#include "base/file_bytes.h"
#include "base/paths.h"

// The file system calls the replacement needs, given by the platform.
struct ReplaceOps {
  // Moves from over to in one step: 1 done, 0 failed, -1 when the system
  // does not implement such a move (Windows 95, 98 and Me).
  int (*moveReplacing)(const char* from, const char* to);
  int (*move)(const char* from, const char* to);  // fails when to exists
  int (*remove)(const char* path);
  void (*sleep)(int ms);
  // Makes path a file of these bytes (over one of that name), flushed to
  // the disk and closed; 1 done.
  int (*writeFile)(const char* path, const void* bytes, size_t size);
  FILE* (*open)(const char* path, const char* mode);  // fopen; errno ENOENT when missing
};

enum { REPLACE_TRIES = 20, REPLACE_WAIT_MS = 50 };

// A file beside path, named path followed by suffix (".lock"), into out;
// 0 when it does not fit.
int SideFilePath(const char* path, const char* suffix, char out[PATH_SIZE]);

// 1 when a rewrite stopped between its two steps: NAME is missing and a
// whole NAME.new waits to take its place.
int ReplacementPending(const char* path, const ReplaceOps* ops);

// Moves NAME.new into place when a rewrite stopped between its two steps.
// 1 when nothing is left waiting, 0 when NAME is still missing beside
// NAME.new (the move failed).
int FinishReplacement(const char* path, const ReplaceOps* ops);

// The whole bytes of NAME, or where NAME is missing and a rewrite waits, of
// NAME.new: whichever holds the file's one whole copy.
int ReadWholeCopy(const char* path, size_t cap, const ReplaceOps* ops, FileBytes* out);

// Writes size bytes as the new contents of path. 1 when they are in
// place, or, where the system has no one-step move and the old file is
// already deleted, when they wait whole in NAME.new (see above). 0 when
// path keeps its old contents.
int ReplaceFileContents(const char* path, const void* bytes, size_t size, const ReplaceOps* ops);
