// Dial-up connections through the Remote Access Service: the mail check
// asks whether one is up, the hang-up event drops them all.
#pragma once
#include <windows.h>

#include <ras.h>

// The oldest connection record, which every system accepts. Its size
// follows the architecture: 412 bytes on 32-bit Windows, 424 on 64-bit.
struct DialUpConnection {
  DWORD size;
  HRASCONN handle;
  char entryName[257];
  char deviceType[17];
  char deviceName[129];
};
enum { MAX_DIAL_UP_CONNECTIONS = 8 };

// The system calls behind it; tests put recorders in their place.
struct DialUpSeam {
  DWORD(WINAPI* enumConnections)(LPRASCONNA connections, LPDWORD bytes, LPDWORD count);
  DWORD(WINAPI* hangUp)(HRASCONN connection);
};
extern DialUpSeam dialUpSeam;

// Fills handles (MAX_DIAL_UP_CONNECTIONS of room); gives how many, or -1
// when the listing failed.
int ListDialUpConnections(HRASCONN* handles);
int IsDialUpConnected();
// Hangs up every connection; 0 when listing or a hang-up failed.
int HangUpDialUp();
