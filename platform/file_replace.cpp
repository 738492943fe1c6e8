#include "platform/file_replace.h"

#include <io.h>
#include <stdio.h>
#include <windows.h>

#include "base/format_text.h"
#include "base/paths.h"
#include "platform/system_paths.h"
#include "platform/system_text.h"

static int MoveReplacing(const char* from, const char* to) {
  if (MovePathReplacing(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 1;
  // Windows 95, 98 and Me export the call but do not implement it.
  return GetLastError() == ERROR_CALL_NOT_IMPLEMENTED ? -1 : 0;
}
static void Pause(int ms) { Sleep((DWORD)ms); }

static int WriteFileToDisk(const char* path, const void* bytes, size_t size) {
  FILE* file = OpenPath(path, "wb");
  if (!file) return 0;
  int ok = fwrite(bytes, 1, size, file) == size && fflush(file) == 0 && _commit(_fileno(file)) == 0;
  return fclose(file) == 0 && ok;
}

ReplaceOps fileReplaceOps = {MoveReplacing, MovePath, DeletePath, Pause, WriteFileToDisk, OpenPath};

// The mail check's thread reads the account file while a dialog may be
// rewriting it: the threads take turns here, and the one whose turn it is
// holds NAME.lock open for this process alone, which no other process can
// open until it is closed (by the system, too, if the process dies). The
// file goes when it is closed, where the system can do that (not 95/98/Me).
static CRITICAL_SECTION turns;
static struct TurnsInit {
  TurnsInit() { InitializeCriticalSection(&turns); }
} turnsInit;
static HANDLE lockFile;  // NULL while no lock file is held
static int lockDepth;

// A rewrite holds the lock for about a second at most; a waiter looks
// often, so that it is not always the holder that takes it again.
enum { LOCK_TRIES = 500, LOCK_WAIT_MS = 10 };

static_assert(sizeof ".lock" - 1 <= SIDE_FILE_ROOM, "a rewritten file's lock fits beside it");

static HANDLE CreateLockFile(const char* lockPath, DWORD flags) {
  return CreatePathFile(lockPath, GENERIC_READ, 0, OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN | flags);
}

// The open lock file; NULL where none can be made, INVALID_HANDLE_VALUE
// while another holder keeps it.
static HANDLE OpenLockFile(const char* path) {
  char lockPath[PATH_SIZE];
  if (!SideFilePath(path, ".lock", lockPath)) return INVALID_HANDLE_VALUE;
  for (int tries = 0; tries < LOCK_TRIES; tries++) {
    if (tries > 0) Sleep(LOCK_WAIT_MS);
    HANDLE file = CreateLockFile(lockPath, FILE_FLAG_DELETE_ON_CLOSE);
    // Refused for the flag (an older system, a lock file left read-only):
    // one that stays does as well.
    if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_SHARING_VIOLATION)
      file = CreateLockFile(lockPath, 0);
    if (file != INVALID_HANDLE_VALUE) return file;
    if (GetLastError() != ERROR_SHARING_VIOLATION) return NULL;
  }
  return INVALID_HANDLE_VALUE;
}

int LockDataFile(const char* path) {
  EnterCriticalSection(&turns);
  if (lockDepth > 0) {
    lockDepth++;
    return 1;
  }
  HANDLE file = OpenLockFile(path);
  if (file == INVALID_HANDLE_VALUE) {
    LeaveCriticalSection(&turns);
    return 0;
  }
  lockFile = file;
  lockDepth = 1;
  return 1;
}

void UnlockDataFile() {
  if (--lockDepth == 0 && lockFile) {
    CloseHandle(lockFile);
    lockFile = NULL;
  }
  LeaveCriticalSection(&turns);
}

int ReplaceDataFile(const char* path, const void* bytes, size_t size) {
  if (!LockDataFile(path)) return 0;
  int done = ReplaceFileContents(path, bytes, size, &fileReplaceOps);
  UnlockDataFile();
  return done;
}

int FinishDataFile(const char* path) {
  // Readers take no lock unless there is a rewrite to finish.
  if (!ReplacementPending(path, &fileReplaceOps)) return 1;
  if (!LockDataFile(path)) return 0;
  int done = FinishReplacement(path, &fileReplaceOps);
  UnlockDataFile();
  return done;
}

int ReadDataFile(const char* path, size_t cap, FileBytes* out) {
  FinishDataFile(path);
  return ReadWholeCopy(path, cap, &fileReplaceOps, out);
}

void TellDataFileTooDeep(HWND owner, const char* what, int* told) {
  if (*told) return;
  *told = 1;
  char text[256];
  // The folder itself is not named: a path this long is wider than the screen.
  FormatText(text, sizeof text,
             "プログラムのあるフォルダーのパスが長すぎるため、%sを使えません。\n"
             "パスの短いフォルダーに移してください。",
             what);
  ShowMessage(owner, text, "エラー", MB_OK | MB_ICONEXCLAMATION);
}
