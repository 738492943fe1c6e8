#include "platform/file_replace.h"

#include <io.h>
#include <stdio.h>
#include <windows.h>

#include "base/paths.h"
#include "platform/system_paths.h"

static int MoveReplacing(const char* from, const char* to) {
  if (MovePathReplacing(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 1;
  // Windows 95, 98 and Me export the call but do not implement it.
  return GetLastError() == ERROR_CALL_NOT_IMPLEMENTED ? -1 : 0;
}
static void Pause(int ms) { Sleep((DWORD)ms); }
static int FlushToDisk(FILE* file) { return _commit(_fileno(file)) == 0; }

ReplaceOps fileReplaceOps = {MoveReplacing, MovePath, DeletePath, Pause, FlushToDisk, OpenPath};

// The mail check's thread reads the account file while a dialog may be
// rewriting it; finishing a rewrite must not cross one under way.
static CRITICAL_SECTION replacing;
static struct ReplacingLock {
  ReplacingLock() { InitializeCriticalSection(&replacing); }
} replacingLock;

int ReplaceDataFile(const char* path, const void* bytes, size_t size) {
  EnterCriticalSection(&replacing);
  int done = ReplaceFileContents(path, bytes, size, &fileReplaceOps);
  LeaveCriticalSection(&replacing);
  return done;
}

int FinishDataFile(const char* path) {
  EnterCriticalSection(&replacing);
  int done = FinishReplacement(path, &fileReplaceOps);
  LeaveCriticalSection(&replacing);
  return done;
}

int ReadDataFile(const char* path, size_t cap, FileBytes* out) {
  if (FinishDataFile(path)) return ReadFileBytes(path, cap, out);
  // NAME.new could not move in, but it is whole: it is read in NAME's place.
  char temp[PATH_SIZE];
  NewFilePath(path, temp);
  return ReadFileBytes(temp, cap, out);
}
