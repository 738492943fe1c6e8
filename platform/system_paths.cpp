#include "platform/system_paths.h"

#include <errno.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "base/unicode.h"
#include "platform/file_replace.h"
#include "platform/newer_calls.h"
#include "platform/system_text.h"

static int WidePaths() { return SystemTextWays()->widePaths; }

WidePath::WidePath(const char* path) {
  whole_ = Utf8ToUtf16(path, (char16_t*)text_, PATH_SIZE);
}

int WideToPath(const wchar_t* text, char* path, size_t size) {
  return Utf16ToUtf8((const char16_t*)text, path, size);
}

int PathToSystemBytes(const char* path, char* bytes, size_t size) {
  WidePath wide(path);
  BOOL usedDefault = FALSE;
  if (!wide.Whole() ||
      !WideCharToMultiByte(CP_ACP, 0, wide, -1, bytes, (int)size, NULL, &usedDefault) ||
      usedDefault) {
    if (size) bytes[0] = 0;
    return 0;
  }
  return 1;
}

int SystemBytesToPath(const char* bytes, char* path, size_t size) {
  wchar_t wide[PATH_SIZE];
  if (!MultiByteToWideChar(CP_ACP, 0, bytes, -1, wide, PATH_SIZE)) {
    if (size) path[0] = 0;
    return 0;
  }
  return WideToPath(wide, path, size);
}

// Calls wide with the path as UTF-16 where useWide holds, else ansi with
// it in the system's code page; failed when it has no such form.
template <typename Result, typename Wide, typename Ansi>
static Result WithSystemPath(int useWide, const char* path, Result failed, Wide wide, Ansi ansi) {
  if (useWide) {
    WidePath w(path);
    return w.Whole() ? wide((const wchar_t*)w) : failed;
  }
  char bytes[MAX_PATH];
  return PathToSystemBytes(path, bytes, sizeof bytes) ? ansi((const char*)bytes) : failed;
}

// The same for calls of two paths.
template <typename Wide, typename Ansi>
static int WithSystemPaths(const char* from, const char* to, Wide wide, Ansi ansi) {
  if (WidePaths()) {
    WidePath f(from), t(to);
    return f.Whole() && t.Whole() && wide((const wchar_t*)f, (const wchar_t*)t);
  }
  char a[MAX_PATH], b[MAX_PATH];
  return PathToSystemBytes(from, a, sizeof a) && PathToSystemBytes(to, b, sizeof b) &&
         ansi((const char*)a, (const char*)b);
}

int ExecutablePath(char path[PATH_SIZE]) {
  path[0] = 0;
  if (WidePaths()) {
    wchar_t wide[PATH_SIZE];
    DWORD n = GetModuleFileNameW(NULL, wide, PATH_SIZE);
    return n > 0 && n < PATH_SIZE && WideToPath(wide, path, PATH_SIZE);
  }
  char bytes[MAX_PATH];
  DWORD n = GetModuleFileNameA(NULL, bytes, MAX_PATH);
  return n > 0 && n < MAX_PATH && SystemBytesToPath(bytes, path, PATH_SIZE);
}

FILE* OpenPath(const char* path, const char* mode) {
  wchar_t wideMode[8];
  size_t i = 0;
  for (; mode[i] && i + 1 < 8; i++) wideMode[i] = (unsigned char)mode[i];
  wideMode[i] = 0;
  // A path with no form in 95/98/Me's code page names no file there.
  errno = WidePaths() ? ENAMETOOLONG : ENOENT;
  return WithSystemPath(
      WidePaths(), path, (FILE*)NULL, [&](const wchar_t* p) { return _wfopen(p, wideMode); },
      [&](const char* p) { return fopen(p, mode); });
}

int ReadFileBytes(const char* path, size_t cap, FileBytes* out) {
  out->data = NULL;
  out->size = 0;
  FILE* file = OpenPath(path, "rb");
  if (!file) return errno == ENOENT ? FILE_MISSING : FILE_UNREADABLE;
  int result = ReadOpenFileBytes(file, cap, out);
  fclose(file);
  return result;
}

HANDLE CreatePathFile(const char* path, DWORD access, DWORD share, DWORD creation,
                      DWORD attributes) {
  return WithSystemPath(
      WidePaths(), path, INVALID_HANDLE_VALUE,
      [&](const wchar_t* p) { return CreateFileW(p, access, share, NULL, creation, attributes, NULL); },
      [&](const char* p) { return CreateFileA(p, access, share, NULL, creation, attributes, NULL); });
}

int DeletePath(const char* path) {
  return WithSystemPath(
      WidePaths(), path, 0, [](const wchar_t* p) { return DeleteFileW(p) != 0; },
      [](const char* p) { return DeleteFileA(p) != 0; });
}

int MovePath(const char* from, const char* to) {
  return WithSystemPaths(
      from, to, [](const wchar_t* f, const wchar_t* t) { return MoveFileW(f, t) != 0; },
      [](const char* f, const char* t) { return MoveFileA(f, t) != 0; });
}

int MovePathReplacing(const char* from, const char* to, DWORD flags) {
  return WithSystemPaths(
      from, to, [&](const wchar_t* f, const wchar_t* t) { return MoveFileExW(f, t, flags) != 0; },
      [&](const char* f, const char* t) { return MoveFileExA(f, t, flags) != 0; });
}

static void TakeFound(PathSearch* search, const WIN32_FIND_DATAW* found) {
  WideToPath(found->cFileName, search->name, sizeof search->name);
  search->attributes = found->dwFileAttributes;
}

static void TakeFound(PathSearch* search, const WIN32_FIND_DATAA* found) {
  SystemBytesToPath(found->cFileName, search->name, sizeof search->name);
  search->attributes = found->dwFileAttributes;
}

int StartPathSearch(const char* pattern, PathSearch* search) {
  search->handle = WithSystemPath(
      WidePaths(), pattern, INVALID_HANDLE_VALUE,
      [&](const wchar_t* p) {
        WIN32_FIND_DATAW found;
        HANDLE h = FindFirstFileW(p, &found);
        if (h != INVALID_HANDLE_VALUE) TakeFound(search, &found);
        return h;
      },
      [&](const char* p) {
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA(p, &found);
        if (h != INVALID_HANDLE_VALUE) TakeFound(search, &found);
        return h;
      });
  return search->handle != INVALID_HANDLE_VALUE;
}

int NextPathSearch(PathSearch* search) {
  if (WidePaths()) {
    WIN32_FIND_DATAW found;
    if (!FindNextFileW(search->handle, &found)) return 0;
    TakeFound(search, &found);
    return 1;
  }
  WIN32_FIND_DATAA found;
  if (!FindNextFileA(search->handle, &found)) return 0;
  TakeFound(search, &found);
  return 1;
}

void EndPathSearch(PathSearch* search) {
  if (search->handle != INVALID_HANDLE_VALUE) FindClose(search->handle);
  search->handle = INVALID_HANDLE_VALUE;
}

void OpenWithShell(HWND owner, const char* path, int show) {
  NewerCalls* n = Newer();
  WithSystemPath(
      WidePaths() && n->shellExecuteW, path, 0,
      [&](const wchar_t* p) { return n->shellExecuteW(owner, NULL, p, NULL, NULL, show) != NULL; },
      [&](const char* p) { return ShellExecuteA(owner, NULL, p, NULL, NULL, show) != NULL; });
}

int PlayWavePath(const char* path, DWORD flags) {
  NewerCalls* n = Newer();
  return WithSystemPath(
      WidePaths() && n->playSoundW, path, 0,
      [&](const wchar_t* p) { return n->playSoundW(p, NULL, flags) != 0; },
      [&](const char* p) { return PlaySoundA(p, NULL, flags) != 0; });
}

int SetWallpaperPath(const char* path, UINT flags) {
  return WithSystemPath(
      WidePaths(), path, 0,
      [&](const wchar_t* p) {
        return SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, (void*)p, flags) != 0;
      },
      [&](const char* p) {
        return SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, (void*)p, flags) != 0;
      });
}

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

void ConvertProfileToUnicode(const char* file) { KeepProfileUnicode(file, 0); }

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
