// Where the program's paths meet the system. Paths are UTF-8 inside the
// program (base/unicode.h); the NT family takes them as UTF-16 through the
// ...W calls, Windows 95, 98 and Me in their own code page through the
// ...A calls. A path is never cut: one that does not fit fails whole. No
// feature calls the system's file calls itself.
#pragma once
#include <windows.h>

#include <stddef.h>
#include <stdio.h>

#include "base/file_bytes.h"
#include "base/paths.h"

// A path as UTF-16 for a ...W call; empty, and not Whole, when it does
// not fit.
class WidePath {
 public:
  explicit WidePath(const char* path);
  operator const wchar_t*() const { return text_; }
  int Whole() const { return whole_; }

 private:
  wchar_t text_[PATH_SIZE];
  int whole_;
};

// A path in the system's code page for a ...A call, and back; 0 when a
// character has no form there or it does not fit.
int PathToSystemBytes(const char* path, char* bytes, size_t size);
int SystemBytesToPath(const char* bytes, char* path, size_t size);
// The UTF-16 a ...W call gave, as a path; 0 when it does not fit.
int WideToPath(const wchar_t* text, char* path, size_t size);

// 1 where paths reach the system as UTF-16 (the NT family).
int WidePaths();

// Calls wide with the path as UTF-16 where useWide holds, else ansi with
// it in the system's code page; failed when it has no such form.
template <typename Result, typename Wide, typename Ansi>
Result WithSystemPath(int useWide, const char* path, Result failed, Wide wide, Ansi ansi) {
  if (useWide) {
    WidePath w(path);
    return w.Whole() ? wide((const wchar_t*)w) : failed;
  }
  char bytes[MAX_PATH];
  return PathToSystemBytes(path, bytes, sizeof bytes) ? ansi((const char*)bytes) : failed;
}

// The running program's own file; 0 when the system gives none whole.
int ExecutablePath(char path[PATH_SIZE]);

// fopen: NULL with errno ENOENT where there is no such file.
FILE* OpenPath(const char* path, const char* mode);
// ReadOpenFileBytes on a path: FILE_MISSING where there is no such file.
int ReadFileBytes(const char* path, size_t cap, FileBytes* out);
HANDLE CreatePathFile(const char* path, DWORD access, DWORD share, DWORD creation,
                      DWORD attributes);
int DeletePath(const char* path);
// GetFileAttributes: INVALID_FILE_ATTRIBUTES, with the system's error,
// where there is no such file.
DWORD PathAttributes(const char* path);
int MovePath(const char* from, const char* to);
int MovePathReplacing(const char* from, const char* to, DWORD flags);

// The entries a pattern matches, in the system's order: each found one's
// name and attributes in the record.
struct PathSearch {
  HANDLE handle;
  char name[PATH_SIZE];
  DWORD attributes;
};
int StartPathSearch(const char* pattern, PathSearch* search);
int NextPathSearch(PathSearch* search);
void EndPathSearch(PathSearch* search);

// ShellExecute's "open" of a file or folder.
void OpenWithShell(HWND owner, const char* path, int show);
// PlaySound of a WAV file, with PlaySound's flags (SND_FILENAME among them).
int PlayWavePath(const char* path, DWORD flags);
// The desktop wallpaper file (SPI_SETDESKWALLPAPER).
int SetWallpaperPath(const char* path, UINT flags);
