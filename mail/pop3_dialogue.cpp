#include "mail/pop3_dialogue.h"

#include <limits.h>
#include <stdint.h>
#include <string.h>

#include "base/cp932.h"
#include "base/format_text.h"

int ReplyAccepted(const char* reply, size_t length) {
  for (size_t i = 0; i + 3 <= length; i++)
    if (memcmp(reply + i, "+OK", 3) == 0) return 1;
  return 0;
}

static const char* SkipToken(const char* p) {
  while (*p == ' ') p++;
  while (*p && *p != ' ') p++;
  return p;
}

static int64_t ParseDigits(const char* p, int64_t most) {
  while (*p == ' ') p++;
  int64_t value = 0;
  for (; *p >= '0' && *p <= '9'; p++) {
    int digit = *p - '0';
    value = value > (most - digit) / 10 ? most : value * 10 + digit;
  }
  return value;
}

void ParseStatReply(const char* reply, int* count, int64_t* octets) {
  const char* second = SkipToken(reply);
  *count = (int)ParseDigits(second, INT_MAX);
  *octets = ParseDigits(SkipToken(second), INT64_MAX);
}

int64_t KilobytesShown(int64_t octets) {
  int64_t kb = octets / 1024;
  return kb == 0 ? 1 : kb;
}

static int ParsePort(const char* text, unsigned short* port) {
  long value = 0;
  int digits = 0;
  for (; *text >= '0' && *text <= '9' && digits < 6; text++, digits++)
    value = value * 10 + (*text - '0');
  if (*text || digits == 0 || value < 1 || value > 65535) return 0;
  *port = (unsigned short)value;
  return 1;
}

static const char kTlsScheme[] = "POP3S://";

static char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? (char)(c - 'a' + 'A') : c; }

// text starts with word (upper case), in any case.
static int StartsWithWord(const char* text, const char* word) {
  for (; *word; text++, word++)
    if (AsciiUpper(*text) != *word) return 0;
  return 1;
}

int ParsePop3Address(const char* server, Pop3Address* address) {
  int scheme = StartsWithWord(server, kTlsScheme);
  if (scheme) server += sizeof kTlsScheme - 1;
  // A colon is never the second byte of a character; host names are ASCII anyway.
  const char* colon = strrchr(server, ':');
  size_t hostLength = strlen(server);
  address->port = scheme ? POP3S_PORT : POP3_PORT;
  if (colon && colon != server && ParsePort(colon + 1, &address->port))
    hostLength = colon - server;
  address->implicitTls = scheme || address->port == POP3S_PORT;
  address->host[0] = 0;
  if (hostLength == 0 || hostLength >= sizeof address->host) return 0;
  memcpy(address->host, server, hostLength);
  address->host[hostLength] = 0;
  return 1;
}

static size_t TakeLine(Pop3Reader* reader, size_t length, char* line) {
  memcpy(line, reader->held, length);
  line[length] = 0;
  reader->length -= length;
  memmove(reader->held, reader->held + length, reader->length);
  return length;
}

size_t ReadReplyLine(const Pop3Link* link, Pop3Reader* reader, char* line) {
  line[0] = 0;
  while (!reader->broken) {
    const char* feed = (const char*)memchr(reader->held, '\n', reader->length);
    if (feed) return TakeLine(reader, feed - reader->held + 1, line);
    size_t room = sizeof reader->held - reader->length;
    int n = room ? link->receive(link->context, reader->held + reader->length, (int)room) : 0;
    if (n <= 0 || (size_t)n > room) reader->broken = 1;
    else reader->length += n;
  }
  return 0;
}

static const char* TlsFailureText(int tls) {
  static const char* const texts[] = {
      "", "このWindowsではTLSを使えません", "証明書エラー（信頼されていない発行元）",
      "証明書エラー（サーバー名の不一致）", "証明書エラー", "証明書エラー（有効期限切れ）",
      "TLS接続に失敗"};
  return texts[tls > TLS_OK && tls < TLS_HANDSHAKE_FAILED ? tls : TLS_HANDSHAKE_FAILED];
}

struct Dialogue {
  const Pop3Link* link;
  Pop3Reader reader;
  char reply[POP3_REPLY_SIZE + 1];
  size_t length;
};

// Sends the command and reads its reply line; 1 when it holds "+OK".
static int Exchange(Dialogue* d, const char* command, int waitMs) {
  const Pop3Link* link = d->link;
  if (command) link->send(link->context, command, (int)strlen(command));
  link->expectReply(link->context, waitMs);
  d->length = ReadReplyLine(link, &d->reader, d->reply);
  return d->length && ReplyAccepted(d->reply, d->length);
}

// The line's first word is word.
static int LineIs(const char* line, const char* word) {
  if (!StartsWithWord(line, word)) return 0;
  char after = line[strlen(word)];
  return after == '\r' || after == '\n' || after == ' ' || after == 0;
}

// 1 when the server lists STLS among its capabilities, also in a list
// cut short (STLS then fails on the broken connection).
static int OffersStls(Dialogue* d) {
  if (!Exchange(d, "CAPA\r\n", MAIL_REPLY_TIMEOUT_MS)) return 0;
  int offered = 0;
  while (ReadReplyLine(d->link, &d->reader, d->reply)) {
    if (LineIs(d->reply, ".")) break;
    offered = offered || LineIs(d->reply, "STLS");
  }
  return offered;
}

// The handshake, its time counted like a reply's. Bytes the server sent
// in clear before it are dropped, never read as if they were protected.
static int StartTls(Dialogue* d) {
  const Pop3Link* link = d->link;
  if (!link->startTls) return TLS_UNAVAILABLE;
  link->expectReply(link->context, MAIL_REPLY_TIMEOUT_MS);
  memset(&d->reader, 0, sizeof d->reader);
  return link->startTls(link->context);
}

// After the greeting of a connection in clear: TLS through STLS when the
// server offers it. A refusal or a failed handshake after the offer may be
// someone on the way, so it ends the dialogue whatever the settings say;
// so does a missing offer from a server that spoke TLS before. Gives
// MAIL_COUNTED to carry on, or the outcome that ends the dialogue.
static int UpgradeToTls(Dialogue* d, const Pop3Login* login, MailResult* result) {
  if (!OffersStls(d)) {
    if (login->tlsRemembered) return MAIL_STLS_REMOVED;
    return login->tlsRequired ? MAIL_NO_STLS : MAIL_COUNTED;
  }
  if (!d->link->startTls) {
    // No attacker makes a system lack TLS: without the rule, it is clear.
    result->tls = TLS_UNAVAILABLE;
    return login->tlsRequired || login->tlsRemembered ? MAIL_TLS_FAILED : MAIL_COUNTED;
  }
  if (!Exchange(d, "STLS\r\n", MAIL_REPLY_TIMEOUT_MS)) return MAIL_STLS_REFUSED;
  result->tls = StartTls(d);
  if (result->tls != TLS_OK) return MAIL_TLS_FAILED;
  result->link = LINK_STLS;
  return MAIL_COUNTED;
}

// Sends the command made of format and secret, wiped once sent; 1 when accepted.
static int ExchangeSecret(Dialogue* d, const char* format, const char* secret) {
  char command[POP3_COMMAND_SIZE];
  FormatText(command, sizeof command, format, secret);
  int accepted = Exchange(d, command, MAIL_REPLY_TIMEOUT_MS);
  WipeSecret(command, sizeof command);
  return accepted;
}

// Greeting to STAT; gives the outcome.
static int Converse(Dialogue* d, const Pop3Login* login, MailResult* result) {
  if (login->implicitTls) {
    result->tls = StartTls(d);
    if (result->tls != TLS_OK) return MAIL_TLS_FAILED;
    result->link = LINK_TLS;
  }
  if (!Exchange(d, nullptr, MAIL_REPLY_TIMEOUT_MS)) return MAIL_NO_GREETING;
  if (!login->implicitTls) {
    int stopped = UpgradeToTls(d, login, result);
    if (stopped != MAIL_COUNTED) return stopped;
  }
  if (!ExchangeSecret(d, "USER %s\r\n", login->user) ||
      !ExchangeSecret(d, "PASS %s\r\n", login->password))
    return MAIL_LOGIN_REFUSED;
  if (!Exchange(d, "STAT\r\n", MAIL_REPLY_TIMEOUT_MS)) return MAIL_STAT_REFUSED;
  ParseStatReply(d->reply, &result->count, &result->octets);
  return MAIL_COUNTED;
}

void RunPop3Dialogue(const Pop3Link* link, const Pop3Login* login, MailResult* result) {
  Dialogue d;
  memset(&d, 0, sizeof d);
  d.link = link;
  result->tls = TLS_OK;
  result->link = LINK_CLEAR;
  result->outcome = Converse(&d, login, result);
  // The report is complete; QUIT's reply only gets a moment.
  if (result->outcome == MAIL_COUNTED) Exchange(&d, "QUIT\r\n", MAIL_QUIT_TIMEOUT_MS);
}

int AddMailResult(MailReport* report, const MailResult* row) {
  if (report->rowCount >= MAIL_REPORT_ROWS) return 0;
  report->rows[report->rowCount++] = *row;
  return 1;
}

int ReportWantsNotice(const MailReport* report) {
  for (int i = 0; i < report->rowCount; i++)
    if (report->rows[i].outcome != MAIL_COUNTED || report->rows[i].count) return 1;
  return 0;
}

void FormatMailResult(const MailResult* row, char text[MAIL_RESULT_TEXT_SIZE]) {
  static const char* const failures[] = {
      "", "%sが見つかりません", "ソケットをオープンに失敗", "サーバーソケットに接続失敗",
      "%sに接続失敗", "認証エラー", "不明な失敗", "サーバーがTLSに対応していません",
      "STLSが拒否されました", "STLSが消えました（途中で消されたか、サーバーの変更）"};
  static_assert(sizeof failures / sizeof *failures == MAIL_TLS_FAILED, "a text per failure");
  const char* clear = row->link == LINK_CLEAR ? "（暗号化なし）" : "";
  if (row->outcome == MAIL_COUNTED && row->count)
    FormatText(text, MAIL_RESULT_TEXT_SIZE, "%d通（%lldKB）%s", row->count,
               (long long)KilobytesShown(row->octets), clear);
  else if (row->outcome == MAIL_COUNTED)
    FormatText(text, MAIL_RESULT_TEXT_SIZE, "なし%s", clear);
  else if (row->outcome > MAIL_COUNTED && row->outcome < MAIL_TLS_FAILED)
    FormatText(text, MAIL_RESULT_TEXT_SIZE, failures[row->outcome], row->server);
  else
    FormatText(text, MAIL_RESULT_TEXT_SIZE, "%s", TlsFailureText(row->tls));
}
