#include "base/file_bytes.h"

#include <errno.h>
#include <stdlib.h>

// Room for the size the file says it has (and a byte more, to see it
// grow), doubled as often as it keeps growing, until it passes cap.
static int FillFromFile(FILE* file, size_t cap, FileBytes* out) {
  long hint = -1;
  if (fseek(file, 0, SEEK_END) == 0) hint = ftell(file);
  if (fseek(file, 0, SEEK_SET) != 0) hint = -1;
  if (hint > 0 && (unsigned long)hint > cap) return FILE_TOO_BIG;
  size_t room = hint >= 0 ? (size_t)hint + 1 : 4096;
  out->data = (char*)malloc(room + 1);
  if (!out->data) return FILE_UNREADABLE;
  for (;;) {
    if (out->size == room) {
      if (room > cap) return FILE_TOO_BIG;
      char* grown = (char*)realloc(out->data, room * 2 + 1);
      if (!grown) return FILE_UNREADABLE;
      out->data = grown;
      room *= 2;
    }
    size_t got = fread(out->data + out->size, 1, room - out->size, file);
    if (got == 0) break;
    out->size += got;
  }
  out->data[out->size] = 0;
  if (ferror(file)) return FILE_UNREADABLE;
  return out->size > cap ? FILE_TOO_BIG : FILE_READ_OK;
}

int ReadOpenFileBytes(FILE* file, size_t cap, FileBytes* out) {
  out->data = NULL;
  out->size = 0;
  int result = FillFromFile(file, cap, out);
  if (result != FILE_READ_OK) FreeFileBytes(out);
  return result;
}

int ReadPathBytes(PathOpener open, const char* path, size_t cap, FileBytes* out) {
  out->data = NULL;
  out->size = 0;
  FILE* file = open(path, "rb");
  if (!file) return errno == ENOENT ? FILE_MISSING : FILE_UNREADABLE;
  int result = ReadOpenFileBytes(file, cap, out);
  fclose(file);
  return result;
}

void FreeFileBytes(FileBytes* bytes) {
  free(bytes->data);
  bytes->data = NULL;
  bytes->size = 0;
}
