// Fixed path buffers, the system's own limit for an ANSI path, and the
// one way paths are put together within it.
#pragma once
#include <stddef.h>

enum { PATH_SIZE = 260, LONGEST_EXE_PATH = 250 };

// Joins up to three texts into out of outSize bytes; 0, with out empty,
// when they do not fit.
int JoinText(char* out, size_t outSize, const char* first, const char* second, const char* third);

// A file of the data folder: dataDir (ending in a backslash), name and
// extension ("" for none) into path; 0, with path empty, when too long.
int DataFilePath(const char* dataDir, const char* name, const char* extension,
                 char path[PATH_SIZE]);

// The files beside a data file while it is rewritten are named after it,
// at most this many bytes longer ("ZENTICK.mld.lock").
enum { SIDE_FILE_ROOM = 5 };

// A data file the program rewrites (the account file, the event file): as
// DataFilePath, and 0 also when the files beside it would not fit, so that
// no rewrite of it can fail for the length of a name.
int RewrittenFilePath(const char* dataDir, const char* name, const char* extension,
                      char path[PATH_SIZE]);
