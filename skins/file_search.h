// The directory search that numbers skins and wallpapers: entries of
// folder + "*." + extension in the order the platform returns them. An
// entry whose full path would not fit in a path buffer is passed over.
#pragma once

// Called per entry with its name; returning 0 ends the search.
typedef int (*VisitEntry)(const char* name, void* context);

// folder ends in a backslash; returns the entries visited.
int SearchFiles(const char* folder, const char* extension, VisitEntry visit, void* context);
int CountFiles(const char* folder, const char* extension);
// The name at a 0-based position into a PATH_SIZE buffer; 0 and an empty
// name when the search does not reach it.
int NthFileName(int position, const char* folder, const char* extension, char* name);
