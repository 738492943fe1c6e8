#include "events/event_store.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "app/app_state.h"
#include "events/event_text.h"

int EventFilePath(const AppState* app, char* path) {
  int n = snprintf(path, MAX_PATH, "%s%s.evt", app->dataDir, app->appName);
  return n > 0 && n < MAX_PATH;
}

int ReadEventText(const char* path, EventText* text) {
  text->bytes = NULL;
  text->length = 0;
  FILE* file = fopen(path, "rb");
  if (!file) return 0;
  size_t capacity = 0;
  int ok = 1;
  for (;;) {
    if (text->length == capacity) {
      char* grown = (char*)realloc(text->bytes, capacity + 4096);
      if (!grown) {
        ok = 0;
        break;
      }
      text->bytes = grown;
      capacity += 4096;
    }
    size_t n = fread(text->bytes + text->length, 1, capacity - text->length, file);
    text->length += n;
    if (n == 0) {
      ok = !ferror(file);
      break;
    }
  }
  fclose(file);
  if (!ok) FreeEventText(text);
  return ok;
}

void FreeEventText(EventText* text) {
  free(text->bytes);
  text->bytes = NULL;
  text->length = 0;
}

int ReplaceEventFile(const char* path, const char* bytes, size_t length) {
  char newPath[MAX_PATH];
  int n = snprintf(newPath, sizeof newPath, "%s.new", path);
  if (n <= 0 || n >= (int)sizeof newPath) return 0;
  FILE* file = fopen(newPath, "wb");
  if (!file) return 0;
  int ok = fwrite(bytes, 1, length, file) == length;
  ok = fclose(file) == 0 && ok;
  if (ok) ok = MoveFileExA(newPath, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  if (!ok) DeleteFileA(newPath);
  return ok;
}

static int EndsWithoutLineFeed(const char* path) {
  FILE* file = fopen(path, "rb");
  if (!file) return 0;
  int last = EOF;
  if (fseek(file, -1, SEEK_END) == 0) last = fgetc(file);
  fclose(file);
  return last != EOF && last != '\n';
}

int AppendEventLine(const char* path, const char* line, size_t length) {
  int newLine = EndsWithoutLineFeed(path);
  FILE* file = fopen(path, "ab");
  if (!file) return 0;
  int ok = (!newLine || fputc('\n', file) != EOF) && fwrite(line, 1, length, file) == length;
  return fclose(file) == 0 && ok;
}

int DeleteEventLine(const char* path, size_t index) {
  EventText text;
  if (!ReadEventText(path, &text)) return 0;
  size_t length = RemoveTextLines(text.bytes, text.length, &index, 1);
  int ok = length != text.length && ReplaceEventFile(path, text.bytes, length);
  FreeEventText(&text);
  return ok;
}
