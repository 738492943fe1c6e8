// The servers the check has spoken TLS with through STLS: from then on a
// missing STLS offer from one of them gets no password. Kept as text, one
// line per server, "host:port" with the host as the account writes it and
// a line feed. No window system here.
#pragma once
#include <stddef.h>

// A file larger than this is not read; a server that does not fit is not
// added.
enum { TLS_MEMORY_SIZE = 8192 };

// 1 when memory (NUL-terminated) holds the line of the account's server.
int TlsMemoryHolds(const char* memory, const char* server);
// Adds the server's line to memory of size bytes unless it is there. 1
// when memory changed; 0 when the line is there, does not fit, or the
// field names no server.
int TlsMemoryAdd(char* memory, size_t size, const char* server);
// Removes the server's line; 1 when it was there.
int TlsMemoryRemove(char* memory, const char* server);
