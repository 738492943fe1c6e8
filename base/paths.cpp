#include "base/paths.h"

#include <string.h>

#include "base/unicode.h"

int JoinText(char* out, size_t outSize, const char* first, const char* second, const char* third) {
  const char* parts[3] = {first, second, third};
  size_t used = 0;
  for (const char* part : parts) {
    size_t n = strlen(part);
    if (n >= outSize - used) {
      out[0] = 0;
      return 0;
    }
    memcpy(out + used, part, n);
    used += n;
  }
  out[used] = 0;
  if (Utf16Length(out) < SYSTEM_PATH_UNITS) return 1;
  out[0] = 0;
  return 0;
}

const char* LastPathSeparator(const char* path) { return strrchr(path, '\\'); }

int DataFilePath(const char* dataDir, const char* name, const char* extension,
                 char path[PATH_SIZE]) {
  return JoinText(path, PATH_SIZE, dataDir, name, extension);
}

int RewrittenFilePath(const char* dataDir, const char* name, const char* extension,
                      char path[PATH_SIZE]) {
  if (!JoinText(path, PATH_SIZE - SIDE_FILE_ROOM, dataDir, name, extension)) return 0;
  if (Utf16Length(path) + SIDE_FILE_ROOM < SYSTEM_PATH_UNITS) return 1;
  path[0] = 0;
  return 0;
}
