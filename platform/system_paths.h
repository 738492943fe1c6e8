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

// The running program's own file; 0 when the system gives none whole.
int ExecutablePath(char path[PATH_SIZE]);

// fopen: NULL with errno ENOENT where there is no such file.
FILE* OpenPath(const char* path, const char* mode);
// ReadOpenFileBytes on a path: FILE_MISSING where there is no such file.
int ReadFileBytes(const char* path, size_t cap, FileBytes* out);
HANDLE CreatePathFile(const char* path, DWORD access, DWORD share, DWORD creation,
                      DWORD attributes);
int DeletePath(const char* path);
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

// The settings file through the profile calls. Its strings are paths. On
// the NT family it is kept in UTF-16, which the profile calls read and
// write whatever the system's code page: a missing file is made so by the
// first write, and one found in code page 932 (an older version's, or one
// written on 95/98/Me) is converted when the program starts, through the
// safe replacement (platform/file_replace.h).
void ConvertProfileToUnicode(const char* file);
UINT ReadProfileInt(const char* file, const char* section, const char* key, int def);
// Gives the bytes copied into path (size bytes of room).
int ReadProfilePath(const char* file, const char* section, const char* key, const char* def,
                    char* path, size_t size);
// A path, or a number as text.
void WriteProfileText(const char* file, const char* section, const char* key, const char* value);
