#include "mail/mail_socket.h"

#include "mail/pop3_dialogue.h"

void SetMailDeadline(MailSocket* socket, int ms) { socket->deadline = GetTickCount() + ms; }

static int WaitForSocket(SOCKET s, int forWrite, int ms) {
  fd_set ready, failed;
  FD_ZERO(&ready);
  FD_ZERO(&failed);
  FD_SET(s, &ready);
  FD_SET(s, &failed);
  timeval limit = {ms / 1000, (ms % 1000) * 1000};
  int n = select(0, forWrite ? NULL : &ready, forWrite ? &ready : NULL, &failed, &limit);
  return n > 0 && FD_ISSET(s, &ready) && !FD_ISSET(s, &failed);
}

// Non-blocking while the connect runs, so that it can be timed.
int ConnectMailSocket(MailSocket* socket, const sockaddr_in* address) {
  u_long nonBlocking = 1;
  ioctlsocket(socket->s, FIONBIO, &nonBlocking);
  int ok = connect(socket->s, (const sockaddr*)address, sizeof *address) == 0 ||
           (WSAGetLastError() == WSAEWOULDBLOCK &&
            WaitForSocket(socket->s, 1, MAIL_CONNECT_TIMEOUT_MS));
  nonBlocking = 0;
  ioctlsocket(socket->s, FIONBIO, &nonBlocking);
  return ok;
}

int SendAllOnSocket(MailSocket* socket, const char* bytes, int length) {
  for (int sent = 0; sent < length;) {
    int n = send(socket->s, bytes + sent, length - sent, 0);
    if (n <= 0) return -1;
    sent += n;
  }
  return length;
}

int ReceiveBeforeDeadline(MailSocket* socket, char* buffer, int size) {
  // A signed difference stays right when the tick count wraps.
  int left = (int)(socket->deadline - GetTickCount());
  if (left <= 0 || !WaitForSocket(socket->s, 0, left)) return -1;
  return recv(socket->s, buffer, size, 0);
}
