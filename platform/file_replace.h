// The safe rewrite of a data file, on the system's own calls.
#pragma once
#include <stddef.h>

#include "base/safe_replace.h"

// The calls the rewrite uses; tests put others in their place.
extern ReplaceOps fileReplaceOps;

// Writes bytes as the new contents of path; 1 on success, and on failure
// the old contents stay.
int ReplaceDataFile(const char* path, const void* bytes, size_t size);
