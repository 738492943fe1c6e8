#include "mail/tls_memory_file.h"

#include <string.h>

#include "base/paths.h"
#include "base/product.h"
#include "mail/pop3_dialogue.h"
#include "platform/file_replace.h"

void BuildTlsMemoryPath(const AppState* app, char path[PATH_SIZE]) {
  // Too deep a folder leaves the path empty: nothing is remembered there.
  if (!RewrittenFilePath(app->dataDir, ZT_APP_NAME, ".tls", path)) path[0] = 0;
}

// FILE_READ_OK or FILE_MISSING with the text in memory; otherwise empty.
static int ReadMemoryFile(const char* path, char* memory) {
  memory[0] = 0;
  FileBytes file = {};
  int read = path[0] ? ReadDataFile(path, TLS_MEMORY_SIZE - 1, &file) : FILE_UNREADABLE;
  if (read == FILE_READ_OK) {
    memcpy(memory, file.data, file.size);
    memory[file.size] = 0;
  }
  FreeFileBytes(&file);
  return read;
}

void ReadTlsMemory(const char* path, char* memory) { ReadMemoryFile(path, memory); }

int IsTlsServerRemembered(const char* path, const char* server) {
  char memory[TLS_MEMORY_SIZE];
  ReadMemoryFile(path, memory);
  return TlsMemoryHolds(memory, server);
}

// The check's thread adds while the account editor may remove, and a clock
// of another session may do either: each change reads and rewrites the
// file under its lock.
void RememberTlsServers(const char* path, const MailReport* report) {
  if (!path[0] || !LockDataFile(path)) return;
  char memory[TLS_MEMORY_SIZE];
  int read = ReadMemoryFile(path, memory);
  // A file that is there but cannot be read is not written over.
  if (read == FILE_READ_OK || read == FILE_MISSING) {
    int added = 0;
    for (int i = 0; i < report->rowCount; i++)
      if (report->rows[i].link == LINK_STLS)
        added |= TlsMemoryAdd(memory, sizeof memory, report->rows[i].server);
    if (added) ReplaceDataFile(path, memory, strlen(memory));
  }
  UnlockDataFile();
}

int ForgetTlsServer(const char* path, const char* server) {
  if (!path[0] || !LockDataFile(path)) return 0;
  char memory[TLS_MEMORY_SIZE];
  int read = ReadMemoryFile(path, memory);
  int forgotten = read == FILE_MISSING ||
                  (read == FILE_READ_OK && (!TlsMemoryRemove(memory, server) ||
                                            ReplaceDataFile(path, memory, strlen(memory))));
  UnlockDataFile();
  return forgotten;
}
