#include "events/event_store.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "settings/app_state.h"
#include "base/paths.h"
#include "base/product.h"
#include "events/event_text.h"
#include "platform/file_replace.h"
#include "platform/system_paths.h"

int EventFilePath(const AppState* app, HWND owner, char path[PATH_SIZE]) {
  static int told;
  if (RewrittenFilePath(app->dataDir, ZT_APP_NAME, ".evt", path)) return 1;
  TellDataFileTooDeep(owner, "イベントファイル", &told);
  return 0;
}

int ReadEventText(const char* path, FileBytes* text) {
  return ReadDataFile(path, EVENT_FILE_CAP, text) == FILE_READ_OK;
}

static int EndsWithoutLineFeed(const char* path) {
  FILE* file = OpenPath(path, "rb");
  if (!file) return 0;
  int last = EOF;
  if (fseek(file, -1, SEEK_END) == 0) last = fgetc(file);
  fclose(file);
  return last != EOF && last != '\n';
}

static int AppendToFile(const char* path, const char* line, size_t length) {
  if (!FinishDataFile(path)) return 0;  // never a new file beside a waiting NAME.new
  int newLine = EndsWithoutLineFeed(path);
  FILE* file = OpenPath(path, "ab");
  if (!file) return 0;
  int ok = (!newLine || fputc('\n', file) != EOF) && fwrite(line, 1, length, file) == length;
  return fclose(file) == 0 && ok;
}

int AppendEventLine(const char* path, const char* line, size_t length) {
  if (!LockDataFile(path)) return 0;
  int ok = AppendToFile(path, line, length);
  UnlockDataFile();
  return ok;
}

static int DeleteFromFile(const char* path, size_t index) {
  FileBytes text;
  if (!ReadEventText(path, &text)) return 0;
  size_t length = RemoveTextLines(text.data, text.size, &index, 1);
  int ok = length != text.size && ReplaceDataFile(path, text.data, length);
  FreeFileBytes(&text);
  return ok;
}

int DeleteEventLine(const char* path, size_t index) {
  if (!LockDataFile(path)) return 0;
  int ok = DeleteFromFile(path, index);
  UnlockDataFile();
  return ok;
}
