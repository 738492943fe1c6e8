// The servers remembered for TLS, kept in the data folder as ZENTICK.tls:
// read when a check starts, added to when a check has spoken TLS through
// STLS, and cleared for one account from the account editor. Rewritten
// whole with the safe replacement.
#pragma once
#include "settings/app_state.h"
#include "mail/tls_memory.h"

struct MailReport;

void BuildTlsMemoryPath(const AppState* app, char path[PATH_SIZE]);
// The file into memory of TLS_MEMORY_SIZE bytes; empty when it is missing
// or cannot be read.
void ReadTlsMemory(const char* path, char* memory);
// Adds the servers of the report's rows that spoke TLS through STLS.
void RememberTlsServers(const char* path, const MailReport* report);
// 1 when the file holds the account's server.
int IsTlsServerRemembered(const char* path, const char* server);
// Removes the account's server; 1 when the file no longer holds it.
int ForgetTlsServer(const char* path, const char* server);
