#include "mail/tls_memory_file.h"

#include <string.h>

#include "base/paths.h"
#include "mail/pop3_dialogue.h"
#include "platform/file_replace.h"

void BuildTlsMemoryPath(const AppState* app, char path[PATH_SIZE]) {
  DataFilePath(app->dataDir, app->appName, ".tls", path);
}

// The check's thread adds while the account editor may remove: each
// change reads and rewrites the file inside this lock.
static CRITICAL_SECTION changing;
static struct ChangingLock {
  ChangingLock() { InitializeCriticalSection(&changing); }
} changingLock;

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

void RememberTlsServers(const char* path, const MailReport* report) {
  EnterCriticalSection(&changing);
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
  LeaveCriticalSection(&changing);
}

int ForgetTlsServer(const char* path, const char* server) {
  EnterCriticalSection(&changing);
  char memory[TLS_MEMORY_SIZE];
  int read = ReadMemoryFile(path, memory);
  int forgotten = read == FILE_MISSING ||
                  (read == FILE_READ_OK && (!TlsMemoryRemove(memory, server) ||
                                            ReplaceDataFile(path, memory, strlen(memory))));
  LeaveCriticalSection(&changing);
  return forgotten;
}
