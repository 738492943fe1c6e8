// The mail check's TCP connection: every wait is bounded, by a time-out
// for the connect and by a deadline for everything a reply needs.
#pragma once
#include "platform/later_calls.h"

struct MailSocket {
  SOCKET s;
  DWORD deadline;  // GetTickCount value when the current wait ends
  const LaterCalls* net;  // the socket calls it was made with
};

// The socket calls, whose library is loaded when the mail check starts
// (NULL when it cannot be).
inline const LaterCalls* SocketCalls() { return LoadLater(LATER_WSOCK32); }

// The deadline ms from now.
void SetMailDeadline(MailSocket* socket, int ms);
// connect within MAIL_CONNECT_TIMEOUT_MS; 1 when connected.
int ConnectMailSocket(MailSocket* socket, const sockaddr_in* address);
// Every byte, or -1.
int SendAllOnSocket(MailSocket* socket, const char* bytes, int length);
// What arrives before the deadline: bytes received, 0 when closed, -1 on
// an error or when the deadline passed.
int ReceiveBeforeDeadline(MailSocket* socket, char* buffer, int size);
