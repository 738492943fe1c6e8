// One POP3 dialogue from the greeting to QUIT over a connection the caller
// has opened, the STAT reply, and the report text. No window system here.
#pragma once
#include <stddef.h>

enum {
  POP3_PORT = 110,
  POP3_BUFFER_SIZE = 260,  // one command, one receive
  MAIL_REPORT_SIZE = 1024,
  REPORT_LINE_SIZE = 160   // name, comma, the longest result text, line feed
};

// The connection: send gives bytes sent or < 0; receive gives the bytes
// received (0 when closed, < 0 on an error or time-out).
struct Pop3Link {
  void* context;
  int (*send)(void* context, const char* bytes, int length);
  int (*receive)(void* context, char* buffer, int size);
};

// "+OK" anywhere in the bytes of one receive.
int ReplyAccepted(const char* reply, size_t length);

// Count and size from "+OK count size": digits up to the first non-digit,
// 0 when missing; values too large for an int are held at the largest.
void ParseStatReply(const char* reply, int* count, int* octets);

// Whole kilobytes, with 0 shown as 1.
int KilobytesShown(int octets);

// sum + count, held at the largest int.
int AddMailCount(int sum, int count);

// "host:port" with a port of 1-65535 is split; anything else is all host
// and the port is POP3_PORT. Gives 0 when the host does not fit.
int SplitHostPort(const char* server, char* host, size_t hostSize, unsigned short* port);

// Greeting, USER, PASS, STAT, QUIT. The result text (without line feed) goes
// to result; gives the message count, or 1 after a failure.
int RunPop3Dialogue(const Pop3Link* link, const char* server, const char* user,
                    const char* password, char* result, size_t resultSize);

// "name,result\n" appended to report (of MAIL_REPORT_SIZE bytes) when the
// whole line fits; a line that does not fit is dropped. Gives 1 if added.
int AppendReportLine(char* report, const char* name, const char* result);

// Splits the report line at *cursor into account and result, cut at a
// character boundary to their buffers, and moves the cursor to the next
// line; 0 at the end of the report.
int NextReportRow(const char** cursor, char* account, size_t accountSize, char* result,
                  size_t resultSize);
