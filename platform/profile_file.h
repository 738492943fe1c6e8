// The settings file, through the system's profile calls. Its strings are
// paths. On the NT family it is kept in UTF-16, which the profile calls
// read and write whatever the system's code page: a missing file is made
// so by the first write, and one found in code page 932 (an older
// version's, or one written on 95/98/Me) is converted when the program
// starts, through the safe replacement (platform/file_replace.h). On
// 95/98/Me it is kept in the system's code page, and one kept in UTF-16
// (a data folder carried back from the NT family) is converted back.
#pragma once
#include <windows.h>

#include <stddef.h>

// 1 when the file's values may read otherwise now (95/98/Me).
int ConvertProfileToSystemForm(const char* file);
UINT ReadProfileInt(const char* file, const char* section, const char* key, int def);
// Gives the bytes copied into path (size bytes of room).
int ReadProfilePath(const char* file, const char* section, const char* key, const char* def,
                    char* path, size_t size);
// A path, or a number as text.
void WriteProfileText(const char* file, const char* section, const char* key, const char* value);
