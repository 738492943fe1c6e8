// The safe rewrite of a data file on the system's own calls, the lock
// that keeps two rewrites of one file apart, and the reading of such a
// file.
#pragma once
#include <windows.h>
#include <stddef.h>

#include "base/file_bytes.h"
#include "base/safe_replace.h"

// The calls the rewrite uses; tests put others in their place.
extern ReplaceOps fileReplaceOps;

// Takes the lock of the data file at path, which keeps out the other
// threads of this process and every other process on the same folder (a
// clock of another session, say), waiting a few seconds at most for a
// rewrite under way; 0 when it stays taken. The thread holding it may
// take it again (for the same file); each 1 is ended by UnlockDataFile.
// Where no lock file can be made at all (a read-only folder), only this
// process's threads are kept out: nothing can be rewritten there anyway.
int LockDataFile(const char* path);
void UnlockDataFile();

// Writes bytes as the new contents of path under its lock; 1 when they
// count as written (ReplaceFileContents), 0 when the old contents stay.
int ReplaceDataFile(const char* path, const void* bytes, size_t size);

// Finishes a rewrite that stopped between its two steps; 1 when path is
// ready to be read or appended to.
int FinishDataFile(const char* path);

// FinishDataFile, then the file's whole copy (ReadWholeCopy).
int ReadDataFile(const char* path, size_t cap, FileBytes* out);

// Says that the data file (what it is, "イベントファイル") cannot be kept
// in the data folder, whose path is too long for it; only the first time
// for each told flag, so that a feature that runs every minute says it once.
void TellDataFileTooDeep(HWND owner, const char* what, int* told);
