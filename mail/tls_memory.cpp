#include "mail/tls_memory.h"

#include <string.h>

#include "base/format_text.h"
#include "mail/pop3_dialogue.h"

enum { KEY_SIZE = POP3_HOST_SIZE + 8 };  // host, a colon, a port

// "host:port" for the server field; 0 when it names no server. The
// default port is written out, so "host" and "host:110" are one server.
static int ServerKey(const char* server, char key[KEY_SIZE]) {
  Pop3Address address;
  if (!ParsePop3Address(server, &address)) return 0;
  FormatText(key, KEY_SIZE, "%s:%u", address.host, address.port);
  return 1;
}

// The line holding key, or null. A line feed is never the second byte of
// a character, and a carriage return left by an editor is no part of it.
static char* FindLine(const char* memory, const char* key) {
  size_t keyLength = strlen(key);
  for (const char* line = memory; *line;) {
    size_t length = strcspn(line, "\n");
    size_t text = length && line[length - 1] == '\r' ? length - 1 : length;
    if (text == keyLength && memcmp(line, key, keyLength) == 0) return (char*)line;
    line += length + (line[length] == '\n');
  }
  return nullptr;
}

int TlsMemoryHolds(const char* memory, const char* server) {
  char key[KEY_SIZE];
  return ServerKey(server, key) && FindLine(memory, key);
}

int TlsMemoryAdd(char* memory, size_t size, const char* server) {
  char key[KEY_SIZE];
  if (!ServerKey(server, key) || FindLine(memory, key)) return 0;
  size_t used = strlen(memory);
  int ended = used == 0 || memory[used - 1] == '\n';
  size_t added = !ended + strlen(key) + 1;
  if (used + added >= size) return 0;
  FormatText(memory + used, size - used, "%s%s\n", ended ? "" : "\n", key);
  return 1;
}

int TlsMemoryRemove(char* memory, const char* server) {
  char key[KEY_SIZE];
  char* line = ServerKey(server, key) ? FindLine(memory, key) : nullptr;
  if (!line) return 0;
  size_t length = strcspn(line, "\n");
  if (line[length] == '\n') length++;
  memmove(line, line + length, strlen(line + length) + 1);
  return 1;
}
