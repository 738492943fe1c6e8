#include "platform/dial_up.h"

#include "platform/later_calls.h"

static_assert(sizeof(DialUpConnection) == (sizeof(void*) == 8 ? 424 : 412),
              "the system checks the record size");

// The system's, from the library loaded at the first call.
static DWORD WINAPI EnumConnections(LPRASCONNA connections, LPDWORD bytes, LPDWORD count) {
  const LaterCalls* ras = LoadLater(LATER_RASAPI32);
  return ras ? ras->rasEnumConnectionsA(connections, bytes, count) : ERROR_DLL_NOT_FOUND;
}

static DWORD WINAPI HangUp(HRASCONN connection) {
  const LaterCalls* ras = LoadLater(LATER_RASAPI32);
  return ras ? ras->rasHangUpA(connection) : ERROR_DLL_NOT_FOUND;
}

DialUpSeam dialUpSeam = {EnumConnections, HangUp};

int ListDialUpConnections(HRASCONN* handles) {
  DialUpConnection connections[MAX_DIAL_UP_CONNECTIONS] = {};
  connections[0].size = sizeof(DialUpConnection);
  DWORD bytes = sizeof connections, count = 0;
  if (dialUpSeam.enumConnections((LPRASCONNA)connections, &bytes, &count) != 0) return -1;
  if (count > MAX_DIAL_UP_CONNECTIONS) count = MAX_DIAL_UP_CONNECTIONS;
  for (DWORD i = 0; i < count; i++) handles[i] = connections[i].handle;
  return (int)count;
}

int IsDialUpConnected() {
  HRASCONN handles[MAX_DIAL_UP_CONNECTIONS];
  int count = ListDialUpConnections(handles);
  for (int i = 0; i < count; i++)
    if (handles[i]) return 1;
  return 0;
}

int HangUpDialUp() {
  HRASCONN handles[MAX_DIAL_UP_CONNECTIONS];
  int count = ListDialUpConnections(handles);
  if (count < 0) return 0;
  for (int i = 0; i < count; i++)
    if (dialUpSeam.hangUp(handles[i]) != 0) return 0;
  return 1;
}
