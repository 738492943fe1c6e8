// Fixed path buffers and the one way paths are put together within them.
// Paths are UTF-8 (base/unicode.h): a buffer holds any path the system
// takes whole, MAX_PATH (260) UTF-16 units, each of which is at most
// three bytes. The program's own folder is at most LONGEST_EXE_PATH
// units deep, so that its data files keep within the system's limit.
#pragma once
#include <stddef.h>

enum { SYSTEM_PATH_UNITS = 260, PATH_SIZE = 3 * SYSTEM_PATH_UNITS, LONGEST_EXE_PATH = 250 };

// The last backslash of a path, or nullptr. UTF-8 has no backslash byte
// inside a character, so every one is a separator.
const char* LastPathSeparator(const char* path);

// Joins up to three pieces of a path into out of outSize bytes; 0, with
// out empty, when they do not fit there or the path would be longer than
// the system takes (SYSTEM_PATH_UNITS - 1 UTF-16 units).
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
