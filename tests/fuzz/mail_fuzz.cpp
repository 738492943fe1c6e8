// Account file bytes and POP3 server replies, both hostile.
//   first byte: 0 = account file, otherwise the replies of one dialogue,
//   split into receives at each 0xFF byte.
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <string>

#include "mail/account_format.h"
#include "mail/pop3_dialogue.h"

static void FuzzAccountFile(const std::string& file) {
  size_t offset = 0;
  char line[ACCOUNT_LINE_SIZE];
  AccountEntry entry;
  for (int i = 0; ReadNextAccountLine(file, &offset, line); i++) {
    UnscrambleLine(line);
    SplitAccountFields(line, &entry);
    SplitAccountTokens(line, &entry);
    char rebuilt[ACCOUNT_LINE_SIZE];
    if (CheckAccountFields(&entry) == ACCOUNT_OK && !BuildAccountLine(&entry, rebuilt, sizeof rebuilt))
      __builtin_trap();  // valid fields always fit one line
    std::string out;
    if (!RewriteAccountLines(file, i, nullptr, &out) || out.size() >= file.size()) __builtin_trap();
  }
}

struct Replies {
  std::string bytes;
  size_t at;
};

static int Send(void*, const char*, int length) { return length; }

static int Receive(void* context, char* buffer, int size) {
  Replies* r = (Replies*)context;
  if (r->at >= r->bytes.size()) return 0;
  size_t end = r->bytes.find('\xFF', r->at);
  if (end == std::string::npos) end = r->bytes.size();
  size_t n = end - r->at < (size_t)size ? end - r->at : (size_t)size;
  memcpy(buffer, r->bytes.data() + r->at, n);
  r->at += n;
  if (r->at == end) r->at++;
  return (int)n;
}

static void FuzzDialogue(const std::string& bytes) {
  Replies replies = {bytes, 0};
  Pop3Link link = {&replies, Send, Receive};
  char result[REPORT_LINE_SIZE];
  int given = RunPop3Dialogue(&link, std::string(63, 's').c_str(), "u", "p", result, sizeof result);
  if (given < 0) __builtin_trap();
  char report[MAIL_REPORT_SIZE] = "";
  while (AppendReportLine(report, std::string(31, 'n').c_str(), result)) {
  }
  if (strlen(report) >= MAIL_REPORT_SIZE) __builtin_trap();
  const char* cursor = report;
  char account[64], column[64];
  while (NextReportRow(&cursor, account, sizeof account, column, sizeof column)) {
  }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::string rest((const char*)data + 1, size - 1);
  if (data[0] == 0) FuzzAccountFile(rest);
  else FuzzDialogue(rest);
  return 0;
}
