#include "mail/pop3_dialogue.h"

#include <limits.h>
#include <stdio.h>
#include <string.h>

#include "base/cp932.h"

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

static int ParseDigits(const char* p) {
  while (*p == ' ') p++;
  int value = 0;
  for (; *p >= '0' && *p <= '9'; p++) {
    int digit = *p - '0';
    value = value > (INT_MAX - digit) / 10 ? INT_MAX : value * 10 + digit;
  }
  return value;
}

void ParseStatReply(const char* reply, int* count, int* octets) {
  const char* second = SkipToken(reply);
  *count = ParseDigits(second);
  *octets = ParseDigits(SkipToken(second));
}

int KilobytesShown(int octets) {
  int kb = octets / 1024;
  return kb == 0 ? 1 : kb;
}

int AddMailCount(int sum, int count) { return count > INT_MAX - sum ? INT_MAX : sum + count; }

static int ParsePort(const char* text, unsigned short* port) {
  long value = 0;
  int digits = 0;
  for (; *text >= '0' && *text <= '9' && digits < 6; text++, digits++)
    value = value * 10 + (*text - '0');
  if (*text || digits == 0 || value < 1 || value > 65535) return 0;
  *port = (unsigned short)value;
  return 1;
}

int SplitHostPort(const char* server, char* host, size_t hostSize, unsigned short* port) {
  // A colon is never the second byte of a character; host names are ASCII anyway.
  const char* colon = strrchr(server, ':');
  size_t hostLength = strlen(server);
  *port = POP3_PORT;
  if (colon && colon != server && ParsePort(colon + 1, port)) hostLength = colon - server;
  if (hostLength >= hostSize) return 0;
  memcpy(host, server, hostLength);
  host[hostLength] = 0;
  return 1;
}

// Sends the command and takes one receive; 1 when it holds "+OK".
static int Exchange(const Pop3Link* link, const char* command, char* reply) {
  if (command) link->send(link->context, command, (int)strlen(command));
  memset(reply, 0, POP3_BUFFER_SIZE);
  int n = link->receive(link->context, reply, POP3_BUFFER_SIZE - 1);
  return n > 0 && ReplyAccepted(reply, (size_t)n);
}

static int Failed(char* result, size_t resultSize, const char* server, const char* text) {
  snprintf(result, resultSize, "%s%s", server, text);
  return 1;
}

int RunPop3Dialogue(const Pop3Link* link, const char* server, const char* user,
                    const char* password, char* result, size_t resultSize) {
  char command[POP3_BUFFER_SIZE] = "";
  char reply[POP3_BUFFER_SIZE] = "";
  if (!Exchange(link, nullptr, reply)) return Failed(result, resultSize, server, "に接続失敗");
  snprintf(command, sizeof command, "USER %s\r\n", user);
  if (!Exchange(link, command, reply)) return Failed(result, resultSize, "", "認証エラー");
  snprintf(command, sizeof command, "PASS %s\r\n", password);
  if (!Exchange(link, command, reply)) return Failed(result, resultSize, "", "認証エラー");
  if (!Exchange(link, "STAT\r\n", reply)) return Failed(result, resultSize, "", "不明な失敗");
  int count, octets;
  ParseStatReply(reply, &count, &octets);
  if (count) snprintf(result, resultSize, "%d通（%dKB）", count, KilobytesShown(octets));
  else snprintf(result, resultSize, "なし");
  Exchange(link, "QUIT\r\n", reply);
  return count;
}

int AppendReportLine(char* report, const char* name, const char* result) {
  size_t used = strlen(report);
  size_t needed = strlen(name) + 1 + strlen(result) + 1;
  if (used + needed >= MAIL_REPORT_SIZE) return 0;
  snprintf(report + used, MAIL_REPORT_SIZE - used, "%s,%s\n", name, result);
  return 1;
}

int NextReportRow(const char** cursor, char* account, size_t accountSize, char* result,
                  size_t resultSize) {
  const char* line = *cursor;
  if (!*line) return 0;
  // Names hold no comma; comma and line feed are never second bytes.
  size_t lineLength = strcspn(line, "\n");
  size_t nameLength = strcspn(line, ",\n");
  CopySpanCut(account, accountSize, line, nameLength);
  const char* rest = line + nameLength + (nameLength < lineLength ? 1 : 0);
  CopySpanCut(result, resultSize, rest, line + lineLength - rest);
  *cursor = line + lineLength + (line[lineLength] ? 1 : 0);
  return 1;
}
