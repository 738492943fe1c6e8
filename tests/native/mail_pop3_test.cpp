#include "mail/certificate_verdict.h"
#include "mail/pop3_dialogue.h"
#include "mail/wake_rule.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>

#include <string>
#include <vector>

namespace {

// A server that plays one piece per receive and records what it was sent;
// a TLS handshake, when asked for, ends with tlsResult.
struct ScriptedServer {
  std::vector<std::string> pieces;
  size_t next = 0;
  std::string sent;
  int tlsResult = TLS_OK;
};

int ScriptSend(void* context, const char* bytes, int length) {
  ((ScriptedServer*)context)->sent.append(bytes, length);
  return length;
}

int ScriptReceive(void* context, char* buffer, int size) {
  ScriptedServer* s = (ScriptedServer*)context;
  if (s->next >= s->pieces.size()) return 0;  // closed
  std::string& r = s->pieces[s->next];
  int n = (int)r.size() < size ? (int)r.size() : size;
  memcpy(buffer, r.data(), n);
  r.erase(0, n);
  if (r.empty()) s->next++;
  return n;
}

void ScriptExpect(void*, int) {}

int ScriptTls(void* context) {
  ScriptedServer* s = (ScriptedServer*)context;
  s->sent += "<TLS>";
  return s->tlsResult;
}

struct Outcome {
  int given;
  std::string result;
  std::string sent;
};

struct Options {
  int implicitTls = 0;
  int tlsRequired = 0;
  int tlsResult = TLS_OK;
  bool hasTls = true;
};

Outcome Dialogue(std::vector<std::string> pieces, Options o = Options()) {
  ScriptedServer server;
  server.pieces = pieces;
  server.tlsResult = o.tlsResult;
  Pop3Link link = {&server, ScriptSend, ScriptReceive, ScriptExpect, o.hasTls ? ScriptTls : nullptr};
  Pop3Login login = {"taro", "pw", o.implicitTls, o.tlsRequired};
  MailResult row = {"home", "pop.example.jp", MAIL_COUNTED, 0, 0, 0};
  int given = RunPop3Dialogue(&link, &login, &row);
  char result[MAIL_RESULT_TEXT_SIZE];
  FormatMailResult(&row, result);
  return {given, result, server.sent};
}

const char kNoCapa[] = "-ERR unknown\r\n";
const char kPlain[] = "CAPA\r\nUSER taro\r\nPASS pw\r\nSTAT\r\nQUIT\r\n";

TEST(Pop3Dialogue, CompleteDialogueReportsCountAndKilobytes) {
  Outcome o = Dialogue({"+OK ready\r\n", kNoCapa, "+OK\r\n", "+OK\r\n", "+OK 3 500\r\n", "+OK bye\r\n"});
  EXPECT_EQ(3, o.given);
  EXPECT_EQ("3通（1KB）", o.result);
  EXPECT_EQ(kPlain, o.sent);
  Outcome empty = Dialogue({"hello +OK there\n", kNoCapa, "+OK\n", "+OK\n", "+OK 0 0\r\n"});
  EXPECT_EQ(0, empty.given);  // no QUIT reply: the report stands
  EXPECT_EQ("なし", empty.result);
}

TEST(Pop3Dialogue, RepliesAreWholeLinesHoweverTheyArrive) {
  // Byte by byte, a STAT reply cut after the count, two replies in one receive.
  std::vector<std::string> pieces;
  for (char c : std::string("+OK a long greeting ") + std::string(400, 'g') + "\r\n")
    pieces.push_back(std::string(1, c));
  pieces.insert(pieces.end(), {kNoCapa, "+OK\r\n+OK\r\n", "+OK 2", " 2048\r\n", "+OK"});
  Outcome o = Dialogue(pieces);
  EXPECT_EQ("2通（2KB）", o.result);
  EXPECT_EQ(kPlain, o.sent);
  // A NUL before "+OK" does not hide it.
  EXPECT_EQ("なし", Dialogue({std::string("x\0+OK\r\n", 7), kNoCapa, "+OK\r\n", "+OK\r\n", "+OK 0 0\r\n"}).result);
  // Longer than a reply may be: an error, and nothing after it is read.
  Outcome longReply = Dialogue({"+OK " + std::string(600, 'x') + "\r\n", "+OK\r\n"});
  EXPECT_EQ("pop.example.jpに接続失敗", longReply.result);
  EXPECT_EQ("", longReply.sent);
  Outcome cut = Dialogue({"+OK\r\n", kNoCapa, "+OK\r\n", "+OK"});  // PASS's reply never ends
  EXPECT_EQ("認証エラー", cut.result);
}

TEST(Pop3Dialogue, StlsWhenOfferedAndNoPasswordInClearWhenTlsIsRequired) {
  const char capaStls[] = "+OK\r\nTOP\r\nstls\r\nUSER\r\n.\r\n";
  const char capaPlain[] = "+OK\r\nTOP\r\nUSER\r\nSTLSX\r\n.\r\n";
  Outcome upgraded = Dialogue({"+OK\r\n", capaStls, "+OK go\r\n", "+OK\r\n", "+OK\r\n", "+OK 1 1\r\n"});
  EXPECT_EQ("CAPA\r\nSTLS\r\n<TLS>USER taro\r\nPASS pw\r\nSTAT\r\nQUIT\r\n", upgraded.sent);
  EXPECT_EQ(1, upgraded.given);
  Options required;
  required.tlsRequired = 1;
  for (const char* capa : {capaPlain, kNoCapa}) {
    Outcome o = Dialogue({"+OK\r\n", capa, "+OK\r\n", "+OK\r\n"}, required);
    EXPECT_EQ("サーバーがTLSに対応していません", o.result);
    EXPECT_EQ("CAPA\r\n", o.sent);
  }
  // Not required: a server without STLS, or a system without TLS, is talked to in clear.
  EXPECT_EQ(kPlain, Dialogue({"+OK\r\n", capaPlain, "+OK\r\n", "+OK\r\n", "+OK 0 0\r\n"}).sent);
  Options noTls;
  noTls.hasTls = false;
  EXPECT_EQ(kPlain, Dialogue({"+OK\r\n", capaStls, "+OK\r\n", "+OK\r\n", "+OK 0 0\r\n"}, noTls).sent);
  noTls.tlsRequired = 1;
  EXPECT_EQ("このWindowsではTLSを使えません", Dialogue({"+OK\r\n", capaStls}, noTls).result);
  // Bytes sent in clear before the handshake are never read as protected.
  Outcome injected = Dialogue({"+OK\r\n", capaStls, "+OK go\r\n-ERR\r\n", "+OK\r\n", "+OK\r\n", "+OK 4 4096\r\n"});
  EXPECT_EQ("4通（4KB）", injected.result);
}

TEST(Pop3Dialogue, ImplicitTlsStartsBeforeTheGreetingAndEachFailureHasItsText) {
  Options implicit;
  implicit.implicitTls = 1;
  Outcome o = Dialogue({"+OK\r\n", "+OK\r\n", "+OK\r\n", "+OK 2 10\r\n"}, implicit);
  EXPECT_EQ("<TLS>USER taro\r\nPASS pw\r\nSTAT\r\nQUIT\r\n", o.sent);
  EXPECT_EQ(2, o.given);
  const std::pair<int, const char*> failures[] = {
      {TLS_UNTRUSTED_ROOT, "証明書エラー（信頼されていない発行元）"},
      {TLS_NAME_MISMATCH, "証明書エラー（サーバー名の不一致）"},
      {TLS_BAD_CERTIFICATE, "証明書エラー"},
      {TLS_EXPIRED, "証明書エラー（有効期限切れ）"},
      {TLS_HANDSHAKE_FAILED, "TLS接続に失敗"}};
  for (const auto& f : failures) {
    implicit.tlsResult = f.first;
    Outcome failed = Dialogue({"+OK\r\n"}, implicit);
    EXPECT_EQ(f.second, failed.result);
    EXPECT_EQ(1, failed.given);
    EXPECT_EQ("<TLS>", failed.sent);
  }
  implicit.hasTls = false;
  EXPECT_EQ("このWindowsではTLSを使えません", Dialogue({"+OK\r\n"}, implicit).result);
}

// The chain's own bits count whatever the policy said; revocation that
// could not be asked about does not.
TEST(CertificateVerdict, EveryChainFaultRefusesAndTheAuthorityIsNamedFirst) {
  struct Case {
    unsigned long chain;
    int policy, verdict;
  };
  const Case cases[] = {
      {0, TLS_OK, TLS_OK},
      {CHAIN_PARTIAL, TLS_OK, TLS_UNTRUSTED_ROOT},
      {CHAIN_UNTRUSTED_ROOT | CHAIN_NOT_TIME_VALID, TLS_EXPIRED, TLS_UNTRUSTED_ROOT},
      {0, TLS_UNTRUSTED_ROOT, TLS_UNTRUSTED_ROOT},
      {CHAIN_NOT_TIME_VALID, TLS_NAME_MISMATCH, TLS_EXPIRED},
      {CHAIN_NOT_VALID_FOR_USAGE, TLS_OK, TLS_BAD_CERTIFICATE},
      {CHAIN_REVOKED | CHAIN_OFFLINE_REVOCATION, TLS_OK, TLS_BAD_CERTIFICATE},
      {CHAIN_CYCLIC, TLS_OK, TLS_BAD_CERTIFICATE},
      {CHAIN_EXPLICIT_DISTRUST, TLS_OK, TLS_BAD_CERTIFICATE},
      {0x800 /* name constraints */, TLS_OK, TLS_BAD_CERTIFICATE},
      {CHAIN_REVOCATION_UNKNOWN | CHAIN_OFFLINE_REVOCATION | CHAIN_NOT_TIME_NESTED, TLS_OK, TLS_OK},
      {CHAIN_REVOCATION_UNKNOWN, TLS_NAME_MISMATCH, TLS_NAME_MISMATCH}};
  for (const Case& c : cases)
    EXPECT_EQ(c.verdict, CertificateVerdict(c.chain, c.policy)) << std::hex << c.chain;
}

TEST(Pop3Stat, DigitsStopAtTheFirstNonDigitAndNeverOverflow) {
  int count = -1, octets = -1;
  ParseStatReply("+OK 3 500\r\n", &count, &octets);
  EXPECT_EQ(3, count);
  EXPECT_EQ(500, octets);
  ParseStatReply("+OK   12   4096x", &count, &octets);
  EXPECT_EQ(12, count);
  EXPECT_EQ(4096, octets);
  ParseStatReply("+OK", &count, &octets);
  EXPECT_EQ(0, count);
  EXPECT_EQ(0, octets);
  ParseStatReply("+OK -3 -5", &count, &octets);
  EXPECT_EQ(0, count);
  ParseStatReply("+OK 99999999999999 99999999999", &count, &octets);
  EXPECT_EQ(INT_MAX, count);
  EXPECT_EQ(INT_MAX, octets);
  EXPECT_EQ(1, KilobytesShown(0));
  EXPECT_EQ(1, KilobytesShown(2047));
  EXPECT_EQ(2, KilobytesShown(2048));
  EXPECT_EQ(INT_MAX, AddMailCount(INT_MAX - 1, 5));
  EXPECT_EQ(4, AddMailCount(1, 3));
}

TEST(Pop3Server, AddressGivesHostPortAndTls) {
  Pop3Address a;
  ASSERT_TRUE(ParsePop3Address("pop.example.jp", &a));
  EXPECT_STREQ("pop.example.jp", a.host);
  EXPECT_EQ(110, a.port);
  EXPECT_FALSE(a.implicitTls);
  ASSERT_TRUE(ParsePop3Address("127.0.0.1:1110", &a));
  EXPECT_STREQ("127.0.0.1", a.host);
  EXPECT_EQ(1110, a.port);
  ASSERT_TRUE(ParsePop3Address("pop.example.jp:995", &a));
  EXPECT_TRUE(a.implicitTls);
  ASSERT_TRUE(ParsePop3Address("POP3S://pop.example.jp", &a));
  EXPECT_STREQ("pop.example.jp", a.host);
  EXPECT_EQ(995, a.port);
  EXPECT_TRUE(a.implicitTls);
  ASSERT_TRUE(ParsePop3Address("pop3s://127.0.0.2:1995", &a));
  EXPECT_STREQ("127.0.0.2", a.host);
  EXPECT_EQ(1995, a.port);
  EXPECT_TRUE(a.implicitTls);
  const char* notPorts[] = {"h:", "h:0", "h:65536", "h:12a", ":110", "h:1234567"};
  for (const char* s : notPorts) {
    ASSERT_TRUE(ParsePop3Address(s, &a)) << s;
    EXPECT_STREQ(s, a.host);
    EXPECT_EQ(110, a.port);
  }
  EXPECT_FALSE(ParsePop3Address("pop3s://", &a));
  EXPECT_FALSE(ParsePop3Address(std::string(64, 'h').c_str(), &a));
}

TEST(MailReport, RowsPastTheLastAreDroppedAndFailuresNameTheirServer) {
  MailReport report;
  report.rowCount = 0;
  MailResult row = {"home", "", MAIL_NO_GREETING, 0, 0, 0};
  memset(row.server, 's', sizeof row.server - 1);
  int added = 0;
  while (AddMailResult(&report, &row)) added++;
  EXPECT_EQ(MAIL_REPORT_ROWS, added);
  char text[MAIL_RESULT_TEXT_SIZE];
  FormatMailResult(&report.rows[MAIL_REPORT_ROWS - 1], text);
  EXPECT_EQ(std::string(63, 's') + "に接続失敗", text);  // the longest text still fits
  row.outcome = MAIL_TLS_FAILED;
  row.tls = 99;  // outside the known results: a failed handshake
  FormatMailResult(&row, text);
  EXPECT_STREQ("TLS接続に失敗", text);
}

// Just after a resume a name that does not resolve is tried again every two
// seconds, up to a minute after the resume; otherwise it is given up at once.
TEST(WakingNetwork, NamesAreRetriedForAMinuteAfterAResumeOnly) {
  EXPECT_EQ(0u, WakingRetryWait(0, 0));
  EXPECT_EQ(2000u, WakingRetryWait(1, 0));
  EXPECT_EQ(500u, WakingRetryWait(1, 59500));
  EXPECT_EQ(0u, WakingRetryWait(1, 60000));
  EXPECT_EQ(0u, WakingRetryWait(1, 0xFFFFFFFFu));  // long ago, the tick count wrapped
}

}  // namespace
