#include "base/safe_replace.h"

#include <errno.h>
#include <stdio.h>

#include "base/paths.h"

int NewFilePath(const char* path, char temp[PATH_SIZE]) {
  int length = snprintf(temp, PATH_SIZE, "%s.new", path);
  return length > 0 && length < PATH_SIZE;
}

// A file held open by someone else is there too.
static int FileExists(const char* path, const ReplaceOps* ops) {
  FILE* file = ops->open(path, "rb");
  if (file) fclose(file);
  return file || errno != ENOENT;
}

static int WriteWholeFile(const char* path, const void* bytes, size_t size, const ReplaceOps* ops) {
  FILE* file = ops->open(path, "wb");
  if (!file) return 0;
  int ok = fwrite(bytes, 1, size, file) == size;
  ok = fflush(file) == 0 && ops->flushToDisk(file) && ok;
  return fclose(file) == 0 && ok;
}

// Only a file that reads is taken for NAME.new (not a folder of its name).
static int ReadableFile(const char* path, const ReplaceOps* ops) {
  FILE* file = ops->open(path, "rb");
  if (!file) return 0;
  getc(file);
  int readable = !ferror(file);
  fclose(file);
  return readable;
}

int FinishReplacement(const char* path, const ReplaceOps* ops) {
  char temp[PATH_SIZE];
  if (!NewFilePath(path, temp) || FileExists(path, ops) || !ReadableFile(temp, ops)) return 1;
  return ops->move(temp, path);
}

// Without a one-step move: the old file goes only once the new one is
// complete, and the new one stays under its own name until it can move.
static int MoveAfterDeleting(const char* temp, const char* path, const ReplaceOps* ops) {
  if (ops->move(temp, path)) return 1;
  ops->remove(path);
  return ops->move(temp, path);
}

int ReplaceFileContents(const char* path, const void* bytes, size_t size, const ReplaceOps* ops) {
  char temp[PATH_SIZE];
  // NAME.new may be the only whole copy; it is never overwritten then.
  if (!NewFilePath(path, temp) || !FinishReplacement(path, ops)) return 0;
  if (!WriteWholeFile(temp, bytes, size, ops)) {
    ops->remove(temp);
    return 0;
  }
  int oneStep = 1;
  for (int tries = 0; tries < REPLACE_TRIES; tries++) {
    if (tries > 0) ops->sleep(REPLACE_WAIT_MS);
    if (oneStep) {
      int moved = ops->moveReplacing(temp, path);
      if (moved == 1) return 1;
      if (moved == 0) continue;
      oneStep = 0;
    }
    if (MoveAfterDeleting(temp, path, ops)) return 1;
  }
  // The old file is still there only where a one-step move was possible.
  if (oneStep) ops->remove(temp);
  return 0;
}
