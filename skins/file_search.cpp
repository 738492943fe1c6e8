#include "skins/file_search.h"

#include <windows.h>

#include "settings/app_state.h"
#include "base/paths.h"
#include "platform/system_paths.h"

int SearchFiles(const char* folder, const char* extension, VisitEntry visit, void* context) {
  char pattern[PATH_SIZE], path[PATH_SIZE];
  if (!JoinText(pattern, sizeof pattern, folder, "*.", extension)) return 0;
  PathSearch found;
  if (!StartPathSearch(pattern, &found)) return 0;
  int visited = 0;
  do {
    if (!JoinText(path, sizeof path, folder, found.name, "")) continue;
    visited++;
    if (!visit(found.name, context)) break;
  } while (NextPathSearch(&found));
  EndPathSearch(&found);
  return visited;
}

static int CountOne(const char*, void*) { return 1; }

int CountFiles(const char* folder, const char* extension) {
  return SearchFiles(folder, extension, CountOne, nullptr);
}

struct NthSearch {
  int left;
  char* name;
};

static int TakeWhenReached(const char* name, void* context) {
  NthSearch* s = (NthSearch*)context;
  if (s->left-- > 0) return 1;
  lstrcpynA(s->name, name, PATH_SIZE);
  return 0;
}

int NthFileName(int position, const char* folder, const char* extension, char* name) {
  name[0] = 0;
  if (position < 0) return 0;
  NthSearch s = {position, name};
  SearchFiles(folder, extension, TakeWhenReached, &s);
  return name[0] != 0;
}
