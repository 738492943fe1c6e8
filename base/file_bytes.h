// Whole small files read into memory, with a cap on their size so that a
// huge or endless file cannot exhaust memory.
#pragma once
#include <stddef.h>
#include <stdio.h>

struct FileBytes {
  char* data;  // NUL-terminated copy of the file (the NUL is not counted)
  size_t size;
};

enum FileReadResult { FILE_READ_OK = 1, FILE_MISSING = 0, FILE_UNREADABLE = -1, FILE_TOO_BIG = -2 };

// Reads an open file whole when it holds at most cap bytes; the caller
// frees with FreeFileBytes (also after a failure, which leaves an empty
// buffer).
int ReadOpenFileBytes(FILE* file, size_t cap, FileBytes* out);

// The same for a path, opened by the platform's fopen (which knows how
// paths meet the system): FILE_MISSING where there is no such file.
typedef FILE* (*PathOpener)(const char* path, const char* mode);
int ReadPathBytes(PathOpener open, const char* path, size_t cap, FileBytes* out);
void FreeFileBytes(FileBytes* bytes);
