#include "base/safe_replace.h"

#include <errno.h>
#include <stdio.h>

#include "base/paths.h"

static_assert(sizeof ".new" - 1 <= SIDE_FILE_ROOM && sizeof ".tmp" - 1 <= SIDE_FILE_ROOM,
              "a rewritten file's path keeps room for the names beside it");

int SideFilePath(const char* path, const char* suffix, char out[PATH_SIZE]) {
  return JoinText(out, PATH_SIZE, path, suffix, "");
}

// A file held open by someone else is there too.
static int FileExists(const char* path, const ReplaceOps* ops) {
  FILE* file = ops->open(path, "rb");
  if (file) fclose(file);
  return file || errno != ENOENT;
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

int ReplacementPending(const char* path, const ReplaceOps* ops) {
  char waiting[PATH_SIZE];
  return SideFilePath(path, ".new", waiting) && !FileExists(path, ops) && ReadableFile(waiting, ops);
}

int FinishReplacement(const char* path, const ReplaceOps* ops) {
  char waiting[PATH_SIZE];
  if (!ReplacementPending(path, ops)) return 1;
  SideFilePath(path, ".new", waiting);
  return ops->move(waiting, path);
}

int ReadWholeCopy(const char* path, size_t cap, const ReplaceOps* ops, FileBytes* out) {
  int read = ReadPathBytes(ops->open, path, cap, out);
  if (read != FILE_MISSING || !ReplacementPending(path, ops)) return read;
  char waiting[PATH_SIZE];
  SideFilePath(path, ".new", waiting);
  return ReadPathBytes(ops->open, waiting, cap, out);
}

// Without a one-step move: the whole new file becomes NAME.new, the old
// file goes, NAME.new moves in. Once the old file is gone the rewrite is
// done, even if the move keeps failing: NAME.new is whole and whoever
// comes next moves it in.
static int ReplaceInTwoSteps(const char* temp, const char* path, const ReplaceOps* ops) {
  char waiting[PATH_SIZE];
  SideFilePath(path, ".new", waiting);
  // One beside NAME is left from a rewrite cut before NAME went: NAME is
  // the copy that was read since.
  ops->remove(waiting);
  if (!ops->move(temp, waiting)) return 0;
  int oldGone = 0;
  for (int tries = 0; tries < REPLACE_TRIES; tries++) {
    if (tries > 0) ops->sleep(REPLACE_WAIT_MS);
    if (!oldGone) oldGone = ops->remove(path);  // fails, too, when there is none
    if (ops->move(waiting, path)) return 1;
  }
  if (!oldGone) ops->remove(waiting);
  return oldGone;
}

int ReplaceFileContents(const char* path, const void* bytes, size_t size, const ReplaceOps* ops) {
  char temp[PATH_SIZE];  // NAME.new is as long
  // NAME.new may be the only whole copy: it moves in before anything else.
  if (!SideFilePath(path, ".tmp", temp) || !FinishReplacement(path, ops)) return 0;
  if (ops->writeFile(temp, bytes, size)) {
    for (int tries = 0; tries < REPLACE_TRIES; tries++) {
      if (tries > 0) ops->sleep(REPLACE_WAIT_MS);
      int moved = ops->moveReplacing(temp, path);
      if (moved == 1) return 1;
      if (moved == -1) {
        if (ReplaceInTwoSteps(temp, path, ops)) return 1;
        break;
      }
    }
  }
  ops->remove(temp);
  return 0;
}
