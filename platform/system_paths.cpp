#include "platform/system_paths.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "base/unicode.h"
#include "platform/later_calls.h"
#include "platform/text_ways.h"

int WidePaths() { return SystemTextWays()->widePaths; }

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
  return ReadPathBytes(OpenPath, path, cap, out);
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

DWORD PathAttributes(const char* path) {
  SetLastError(ERROR_FILE_NOT_FOUND);  // a path with no form on the system names no file
  return WithSystemPath(
      WidePaths(), path, INVALID_FILE_ATTRIBUTES, [](const wchar_t* p) { return GetFileAttributesW(p); },
      [](const char* p) { return GetFileAttributesA(p); });
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
  const LaterCalls* shell = LoadLater(LATER_SHELL32);
  if (!shell) return;
  WithSystemPath(
      WidePaths() && shell->shellExecuteW, path, 0,
      [&](const wchar_t* p) {
        return shell->shellExecuteW(owner, NULL, p, NULL, NULL, show) != NULL;
      },
      [&](const char* p) { return shell->shellExecuteA(owner, NULL, p, NULL, NULL, show) != NULL; });
}

int PlayWavePath(const char* path, DWORD flags) {
  const LaterCalls* sound = LoadLater(LATER_WINMM);
  return sound && WithSystemPath(
      WidePaths() && sound->playSoundW, path, 0,
      [&](const wchar_t* p) { return sound->playSoundW(p, NULL, flags) != 0; },
      [&](const char* p) { return sound->playSoundA(p, NULL, flags) != 0; });
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
