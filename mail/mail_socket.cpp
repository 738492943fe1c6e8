#include "mail/mail_socket.h"

#include "mail/pop3_dialogue.h"

void SetMailDeadline(MailSocket* socket, int ms) { socket->deadline = GetTickCount() + ms; }

// One socket's set, and whether select left it in the set: FD_ISSET's
// own call is the library's too.
static void OnlySocket(SOCKET s, fd_set* set) {
  set->fd_count = 1;
  set->fd_array[0] = s;
}

static int StillSet(SOCKET s, const fd_set* set) {
  return set->fd_count == 1 && set->fd_array[0] == s;
}

static int WaitForSocket(const MailSocket* socket, int forWrite, int ms) {
  SOCKET s = socket->s;
  fd_set ready, failed;
  OnlySocket(s, &ready);
  OnlySocket(s, &failed);
  timeval limit = {ms / 1000, (ms % 1000) * 1000};
  int n = socket->net->select(0, forWrite ? NULL : &ready, forWrite ? &ready : NULL, &failed, &limit);
  return n > 0 && StillSet(s, &ready) && !StillSet(s, &failed);
}

// Non-blocking while the connect runs, so that it can be timed.
int ConnectMailSocket(MailSocket* socket, const sockaddr_in* address) {
  const LaterCalls* net = socket->net;
  u_long nonBlocking = 1;
  net->ioctlSocket(socket->s, FIONBIO, &nonBlocking);
  int ok = net->connect(socket->s, (const sockaddr*)address, sizeof *address) == 0 ||
           (net->wsaGetLastError() == WSAEWOULDBLOCK &&
            WaitForSocket(socket, 1, MAIL_CONNECT_TIMEOUT_MS));
  nonBlocking = 0;
  net->ioctlSocket(socket->s, FIONBIO, &nonBlocking);
  return ok;
}

int SendAllOnSocket(MailSocket* socket, const char* bytes, int length) {
  for (int sent = 0; sent < length;) {
    int n = socket->net->send(socket->s, bytes + sent, length - sent, 0);
    if (n <= 0) return -1;
    sent += n;
  }
  return length;
}

int ReceiveBeforeDeadline(MailSocket* socket, char* buffer, int size) {
  // A signed difference stays right when the tick count wraps.
  int left = (int)(socket->deadline - GetTickCount());
  if (left <= 0 || !WaitForSocket(socket, 0, left)) return -1;
  return socket->net->recv(socket->s, buffer, size, 0);
}
