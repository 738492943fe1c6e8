#include "platform/file_replace.h"

#include <windows.h>

static int MoveReplacing(const char* from, const char* to) {
  if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 1;
  // Windows 95, 98 and Me export the call but do not implement it.
  return GetLastError() == ERROR_CALL_NOT_IMPLEMENTED ? -1 : 0;
}
static int Move(const char* from, const char* to) { return MoveFileA(from, to) != 0; }
static int Remove(const char* path) { return DeleteFileA(path) != 0; }
static void Pause(int ms) { Sleep((DWORD)ms); }

ReplaceOps fileReplaceOps = {MoveReplacing, Move, Remove, Pause};

int ReplaceDataFile(const char* path, const void* bytes, size_t size) {
  return ReplaceFileContents(path, bytes, size, &fileReplaceOps);
}
