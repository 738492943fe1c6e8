#include "base/safe_replace.h"

#include <stdio.h>

#include "base/paths.h"

static int WriteWholeFile(const char* path, const void* bytes, size_t size) {
  FILE* file = fopen(path, "wb");
  if (!file) return 0;
  int ok = fwrite(bytes, 1, size, file) == size;
  ok = fflush(file) == 0 && ok;
  return fclose(file) == 0 && ok;
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
  int length = snprintf(temp, sizeof temp, "%s.new", path);
  if (length < 0 || length >= (int)sizeof temp) return 0;
  if (!WriteWholeFile(temp, bytes, size)) {
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
