// TLS for the mail check through the system's own provider (Schannel),
// looked up at run time so that the program still starts on systems
// without it. The server's certificate is checked against the system's
// trusted authorities and the host name.
#pragma once
#include "mail/mail_socket.h"

struct TlsChannel;

// 1 when the system's TLS provider and certificate functions are there.
int TlsSupported();
// The handshake on a connected socket, its waits bounded by the socket's
// deadline. Gives a TlsResult; on TLS_OK *channel carries the traffic
// until TlsClose.
int TlsHandshake(TlsChannel** channel, MailSocket* socket, const char* host);
// As the socket's own: every byte or -1; bytes, 0 when the server closed
// the session (its close_notify), or -1 on a fault, when the time ran out
// or when the connection ended without close_notify.
int TlsSend(TlsChannel* channel, const char* bytes, int length);
int TlsReceive(TlsChannel* channel, char* buffer, int size);
void TlsClose(TlsChannel* channel);
