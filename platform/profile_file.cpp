#include "platform/profile_file.h"

#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "base/unicode.h"
#include "platform/file_replace.h"
#include "platform/system_paths.h"
#include "platform/text_ways.h"

// Far above any settings file the program writes; a larger one is left as it is.
static const size_t PROFILE_CAP = 1 << 20;
static const unsigned char kUtf16Mark[] = {0xFF, 0xFE}, kUtf8Mark[] = {0xEF, 0xBB, 0xBF};

// The file's text as UTF-16 behind its mark, written in its place.
static void RewriteAsUtf16(const char* file, const FileBytes* bytes) {
  const char* text = bytes->data;
  size_t units = bytes->size + 1;
  wchar_t* wide = (wchar_t*)malloc((units + 1) * sizeof(wchar_t));
  if (!wide) return;
  wide[0] = 0xFEFF;
  if (bytes->size >= 3 && !memcmp(text, kUtf8Mark, 3)) {
    Utf8ToUtf16(text + 3, (char16_t*)wide + 1, units);
  } else {
    WideText converted(text);  // code page 932, or the system's where 932 is not known
    wcsncpy(wide + 1, converted, units);
    wide[units] = 0;
  }
  ReplaceDataFile(file, wide, (wcslen(wide)) * sizeof(wchar_t));
  free(wide);
}

// A settings file missing (made so when makeMissing) or found in 8 bits.
static void KeepProfileUnicode(const char* file, int makeMissing) {
  if (!WidePaths()) return;
  FileBytes bytes;
  int read = ReadFileBytes(file, PROFILE_CAP, &bytes);
  if (read == FILE_MISSING && makeMissing) ReplaceDataFile(file, kUtf16Mark, sizeof kUtf16Mark);
  else if (read == FILE_READ_OK && (bytes.size < 2 || memcmp(bytes.data, kUtf16Mark, 2)))
    RewriteAsUtf16(file, &bytes);
  FreeFileBytes(&bytes);
}

// Windows 95, 98 and Me read only 8 bits: a file kept in UTF-16 on the NT
// family (a folder carried back) goes back to the system's code page.
static int KeepProfileEightBit(const char* file) {
  FileBytes bytes;
  int converted = 0;
  if (ReadFileBytes(file, PROFILE_CAP, &bytes) == FILE_READ_OK && bytes.size >= 2 &&
      !memcmp(bytes.data, kUtf16Mark, 2)) {
    const wchar_t* wide = (const wchar_t*)(bytes.data + 2);
    int units = (int)((bytes.size - 2) / sizeof(wchar_t));
    int size = WideCharToMultiByte(CP_ACP, 0, wide, units, NULL, 0, NULL, NULL);
    char* text = (char*)malloc(size > 0 ? (size_t)size : 1);
    if (text && WideCharToMultiByte(CP_ACP, 0, wide, units, text, size, NULL, NULL) == size)
      converted = ReplaceDataFile(file, text, (size_t)size);
    free(text);
  }
  FreeFileBytes(&bytes);
  return converted;
}

int ConvertProfileToSystemForm(const char* file) {
  if (WidePaths()) {
    KeepProfileUnicode(file, 0);
    return 0;  // its numbers read the same before
  }
  return KeepProfileEightBit(file);
}

UINT ReadProfileInt(const char* file, const char* section, const char* key, int def) {
  return WithSystemPath(
      WidePaths(), file, (UINT)def,
      [&](const wchar_t* f) {
        return GetPrivateProfileIntW(WideText(section), WideText(key), def, f);
      },
      [&](const char* f) { return GetPrivateProfileIntA(section, key, def, f); });
}

int ReadProfilePath(const char* file, const char* section, const char* key, const char* def,
                    char* path, size_t size) {
  path[0] = 0;
  // As the system keeps them: at most MAX_PATH - 1 characters.
  WithSystemPath(
      WidePaths(), file, 0,
      [&](const wchar_t* f) {
        wchar_t value[MAX_PATH];
        GetPrivateProfileStringW(WideText(section), WideText(key), WidePath(def), value,
                                 MAX_PATH, f);
        return WideToPath(value, path, size);
      },
      [&](const char* f) {
        char value[MAX_PATH], fallback[MAX_PATH];
        PathToSystemBytes(def, fallback, sizeof fallback);
        GetPrivateProfileStringA(section, key, fallback, value, MAX_PATH, f);
        return SystemBytesToPath(value, path, size);
      });
  return (int)strlen(path);
}

void WriteProfileText(const char* file, const char* section, const char* key,
                      const char* value) {
  KeepProfileUnicode(file, 1);
  WithSystemPath(
      WidePaths(), file, 0,
      [&](const wchar_t* f) {
        WidePath text(value);
        return text.Whole() &&
               WritePrivateProfileStringW(WideText(section), WideText(key), text, f);
      },
      [&](const char* f) {
        char text[MAX_PATH];
        return PathToSystemBytes(value, text, sizeof text) &&
               WritePrivateProfileStringA(section, key, text, f);
      });
}
