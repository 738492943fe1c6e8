// The safe rewrite of a data file, on the system's own calls, and the
// reading of such a file.
#pragma once
#include <stddef.h>

#include "base/file_bytes.h"
#include "base/safe_replace.h"

// The calls the rewrite uses; tests put others in their place.
extern ReplaceOps fileReplaceOps;

// Writes bytes as the new contents of path; 1 on success, and on failure
// the old contents stay.
int ReplaceDataFile(const char* path, const void* bytes, size_t size);

// Finishes a rewrite that stopped between its two steps; 1 when path is
// ready to be read or appended to.
int FinishDataFile(const char* path);

// ReadFileBytes (platform/system_paths.h) after FinishDataFile; where NAME.new cannot move in, it
// is read instead.
int ReadDataFile(const char* path, size_t cap, FileBytes* out);
