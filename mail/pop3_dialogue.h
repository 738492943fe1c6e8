// One POP3 dialogue from the greeting to QUIT over a connection the caller
// has opened, the STAT reply, and the report of a check with its wording.
// No window system here.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include "mail/account_format.h"

enum {
  POP3_PORT = 110,
  POP3S_PORT = 995,         // the port where the connection starts in TLS
  POP3_COMMAND_SIZE = 260,
  POP3_REPLY_SIZE = 512,    // the longest reply line, line end included
  POP3_HOST_SIZE = 64,
  MAIL_REPORT_ROWS = 64,        // accounts past these are checked but not listed
  MAIL_RESULT_TEXT_SIZE = 128   // the longest result text: a failure naming a server
};

// Waits allowed for a server: the connect, each reply (counted from its
// command) and QUIT's reply, which nobody needs.
enum { MAIL_CONNECT_TIMEOUT_MS = 10000, MAIL_REPLY_TIMEOUT_MS = 20000, MAIL_QUIT_TIMEOUT_MS = 2000 };

// How a TLS handshake ended.
enum TlsResult {
  TLS_OK = 0,
  TLS_UNAVAILABLE,      // the system has no TLS provider
  TLS_UNTRUSTED_ROOT,   // the certificate's chain ends at an untrusted authority
  TLS_NAME_MISMATCH,    // the certificate is for another host name
  TLS_BAD_CERTIFICATE,  // revoked, not for servers, or otherwise refused
  TLS_EXPIRED,          // outside its dates
  TLS_HANDSHAKE_FAILED
};

// The connection: send gives bytes sent or < 0; receive gives the bytes
// received (0 when closed, < 0 on an error or when the reply's time is up).
struct Pop3Link {
  void* context;
  int (*send)(void* context, const char* bytes, int length);
  int (*receive)(void* context, char* buffer, int size);
  // The next reply is due within ms from now.
  void (*expectReply)(void* context, int ms);
  // Runs a TLS handshake on the connection; gives a TlsResult. Null when
  // the system has no TLS.
  int (*startTls)(void* context);
};

// Reply lines are put together from as many receives as they take; bytes
// after a line wait for the next one.
struct Pop3Reader {
  char held[POP3_REPLY_SIZE];
  size_t length;
  int broken;  // closed, timed out or out of step: every later read fails
};

// The next reply line, through its line feed, into line (POP3_REPLY_SIZE
// + 1 bytes, NUL-terminated); gives its length, or 0 when the connection
// closed or failed, the time ran out, or the line is longer than
// POP3_REPLY_SIZE.
size_t ReadReplyLine(const Pop3Link* link, Pop3Reader* reader, char* line);

// "+OK" anywhere in the bytes of one reply.
int ReplyAccepted(const char* reply, size_t length);

// Count and size from "+OK count size": digits up to the first non-digit,
// 0 when missing; values too large are held at the largest of their type.
// A mailbox may hold more than 2 GB.
void ParseStatReply(const char* reply, int* count, int64_t* octets);

// Whole kilobytes, with 0 shown as 1.
int64_t KilobytesShown(int64_t octets);

// Where the account's server field points: "host", "host:port", or
// "pop3s://host[:port]" for a connection that starts in TLS, as one on
// port 995 does.
struct Pop3Address {
  char host[POP3_HOST_SIZE];
  unsigned short port;
  int implicitTls;
};

// A port of 1-65535 after the last colon is split off; anything else is
// all host. Gives 0 when the host is empty or does not fit.
int ParsePop3Address(const char* server, Pop3Address* address);

struct Pop3Login {
  const char* user;
  const char* password;
  int implicitTls;
  int tlsRequired;    // never send the password in clear
  int tlsRemembered;  // the server spoke TLS through STLS before: it must again
};

// What one account's check came to.
enum MailOutcome {
  MAIL_COUNTED,        // count and octets hold the mailbox
  MAIL_HOST_UNKNOWN,   // the server's name does not resolve
  MAIL_NO_SOCKET,
  MAIL_NOT_CONNECTED,  // refused, or no answer in time
  MAIL_NO_GREETING,
  MAIL_LOGIN_REFUSED,
  MAIL_STAT_REFUSED,
  MAIL_NO_STLS,        // TLS is required and the server does not offer it
  MAIL_STLS_REFUSED,   // the server offered STLS, then refused it
  MAIL_STLS_REMOVED,   // a server remembered for TLS no longer offers STLS
  MAIL_TLS_FAILED      // tls holds the TlsResult
};

// What carried the dialogue once the greeting came.
enum MailLink { LINK_CLEAR = 0, LINK_STLS, LINK_TLS };

// One row of a check's report, as the checking thread hands it to the notice.
struct MailResult {
  char account[ACCOUNT_NAME_SIZE];
  char server[ACCOUNT_SERVER_SIZE];  // as the account gives it
  int outcome;
  int tls;
  int link;  // MailLink
  int count;
  int64_t octets;
};

struct MailReport {
  MailResult rows[MAIL_REPORT_ROWS];
  int rowCount;
};

// Greeting, STLS when offered (or TLS from the start), USER, PASS, STAT,
// QUIT. Once the server has listed STLS, nothing but a completed handshake
// leads on to USER. The outcome, link, count and size go to result.
void RunPop3Dialogue(const Pop3Link* link, const Pop3Login* login, MailResult* result);

// The row appended to the report; 0 when the report is full.
int AddMailResult(MailReport* report, const MailResult* row);

// 1 when a row holds mail or a failure: the notice is shown.
int ReportWantsNotice(const MailReport* report);

// The row's result as the notice shows it, into text of MAIL_RESULT_TEXT_SIZE;
// a mailbox counted in clear says so.
void FormatMailResult(const MailResult* row, char text[MAIL_RESULT_TEXT_SIZE]);
