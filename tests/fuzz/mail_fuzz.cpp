// Account file bytes and POP3 server replies, both hostile.
//   first byte: 0 = account file; otherwise the replies of one dialogue,
//   split into receives at each 0xFF byte, with the first byte choosing
//   TLS from the start (bit 0), TLS required (bit 1), a system without TLS
//   (bit 2), a server remembered for TLS (bit 3) and how a handshake ends
//   (bits 4-6).
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "mail/account_format.h"
#include "mail/pop3_dialogue.h"

static void FuzzAccountFile(const std::string& file) {
  size_t offset = 0;
  char line[ACCOUNT_LINE_SIZE];
  AccountEntry entry;
  char* out = (char*)malloc(file.size() + ACCOUNT_LINE_SIZE);
  for (int i = 0; ReadNextAccountLine(file.data(), file.size(), &offset, line); i++) {
    UnscrambleLine(line);
    SplitAccountFields(line, &entry);
    SplitAccountTokens(line, &entry);
    char rebuilt[ACCOUNT_LINE_SIZE];
    if (CheckAccountFields(&entry) == ACCOUNT_OK && !BuildAccountLine(&entry, rebuilt, sizeof rebuilt))
      __builtin_trap();  // valid fields always fit one line
    size_t length;
    if (!RewriteAccountLines(file.data(), file.size(), i, nullptr, out, &length) ||
        length >= file.size())
      __builtin_trap();
  }
  free(out);
  Pop3Address address;
  if (ParsePop3Address(std::string(file, 0, 80).c_str(), &address) && !address.host[0])
    __builtin_trap();
}

struct Replies {
  std::string bytes;
  size_t at;
  int tlsResult;
};

static int Send(void*, const char*, int length) { return length; }
static void Expect(void*, int) {}
static int StartTls(void* context) { return ((Replies*)context)->tlsResult; }

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

// Every line the reader gives ends with its line feed and fits.
static void FuzzReader(const std::string& bytes) {
  Replies replies = {bytes, 0, TLS_OK};
  Pop3Link link = {&replies, Send, Receive, Expect, StartTls};
  Pop3Reader reader = {};
  char line[POP3_REPLY_SIZE + 1];
  while (size_t n = ReadReplyLine(&link, &reader, line))
    if (n > POP3_REPLY_SIZE || line[n - 1] != '\n' || line[n] != 0) __builtin_trap();
}

static void FuzzDialogue(uint8_t options, const std::string& bytes) {
  Replies replies = {bytes, 0, (options >> 4) % (TLS_HANDSHAKE_FAILED + 1)};
  Pop3Link link = {&replies, Send, Receive, Expect, (options & 4) ? nullptr : StartTls};
  Pop3Login login = {"u", "p", options & 1, (options >> 1) & 1, (options >> 3) & 1};
  MailResult row = {};
  memset(row.server, 's', sizeof row.server - 1);
  RunPop3Dialogue(&link, &login, &row);
  if (row.count < 0 || row.octets < 0) __builtin_trap();
  char text[MAIL_RESULT_TEXT_SIZE];
  FormatMailResult(&row, text);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::string rest((const char*)data + 1, size - 1);
  if (data[0] == 0) {
    FuzzAccountFile(rest);
  } else {
    FuzzReader(rest);
    FuzzDialogue(data[0], rest);
  }
  return 0;
}
