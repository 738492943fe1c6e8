#include "mail/certificate_verdict.h"
#include "mail/pop3_dialogue.h"
#include "mail/tls_memory.h"
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
  MailResult row;
  std::string result;
  std::string sent;
};

struct Options {
  int implicitTls = 0;
  int tlsRequired = 0;
  int tlsRemembered = 0;
  int tlsResult = TLS_OK;
  bool hasTls = true;
};

Outcome Dialogue(std::vector<std::string> pieces, Options o = Options()) {
  ScriptedServer server;
  server.pieces = pieces;
  server.tlsResult = o.tlsResult;
  Pop3Link link = {&server, ScriptSend, ScriptReceive, ScriptExpect, o.hasTls ? ScriptTls : nullptr};
  Pop3Login login = {"taro", "pw", o.implicitTls, o.tlsRequired, o.tlsRemembered};
  MailResult row = {"home", "pop.example.jp", MAIL_COUNTED, 0, 0, 0, 0};
  RunPop3Dialogue(&link, &login, &row);
  char result[MAIL_RESULT_TEXT_SIZE];
  FormatMailResult(&row, result);
  return {row, result, server.sent};
}

// The notice's words for a mailbox counted over a connection in clear.
std::string InClear(const char* result) { return result + std::string("（暗号化なし）"); }

const char kNoCapa[] = "-ERR unknown\r\n";
const char kPlain[] = "CAPA\r\nUSER taro\r\nPASS pw\r\nSTAT\r\nQUIT\r\n";

TEST(Pop3Dialogue, CompleteDialogueReportsCountAndKilobytes) {
  Outcome o = Dialogue({"+OK ready\r\n", kNoCapa, "+OK\r\n", "+OK\r\n", "+OK 3 500\r\n", "+OK bye\r\n"});
  EXPECT_EQ(InClear("3通（1KB）"), o.result);
  EXPECT_EQ(kPlain, o.sent);
  Outcome empty = Dialogue({"hello +OK there\n", kNoCapa, "+OK\n", "+OK\n", "+OK 0 0\r\n"});
  EXPECT_EQ(InClear("なし"), empty.result);  // no QUIT reply: the report stands
}

TEST(Pop3Dialogue, RepliesAreWholeLinesHoweverTheyArrive) {
  // Byte by byte, a STAT reply cut after the count, two replies in one receive.
  std::vector<std::string> pieces;
  for (char c : std::string("+OK a long greeting ") + std::string(400, 'g') + "\r\n")
    pieces.push_back(std::string(1, c));
  pieces.insert(pieces.end(), {kNoCapa, "+OK\r\n+OK\r\n", "+OK 2", " 2048\r\n", "+OK"});
  Outcome o = Dialogue(pieces);
  EXPECT_EQ(InClear("2通（2KB）"), o.result);
  EXPECT_EQ(kPlain, o.sent);
  // A NUL before "+OK" does not hide it.
  EXPECT_EQ(InClear("なし"), Dialogue({std::string("x\0+OK\r\n", 7), kNoCapa, "+OK\r\n", "+OK\r\n", "+OK 0 0\r\n"}).result);
  // Longer than a reply may be: an error, and nothing after it is read.
  Outcome longReply = Dialogue({"+OK " + std::string(600, 'x') + "\r\n", "+OK\r\n"});
  EXPECT_EQ("pop.example.jpに接続失敗", longReply.result);
  EXPECT_EQ("", longReply.sent);
  Outcome cut = Dialogue({"+OK\r\n", kNoCapa, "+OK\r\n", "+OK"});  // PASS's reply never ends
  EXPECT_EQ("認証エラー", cut.result);
}

// Once STLS was offered, or the server spoke TLS before, no failure of
// TLS leads on to USER, whatever the settings say.
TEST(Pop3Dialogue, NoUserInClearOnceStlsWasOfferedOrRememberedOrRequired) {
  const char capaStls[] = "+OK\r\nTOP\r\nstls\r\nUSER\r\n.\r\n";
  const char capaPlain[] = "+OK\r\nTOP\r\nUSER\r\nSTLSX\r\n.\r\n";
  const char removed[] = "STLSが消えました（途中で消されたか、サーバーの変更）";
  Options plain, required, remembered, failing, noTls, noTlsRemembered;
  required.tlsRequired = 1;
  remembered.tlsRemembered = 1;
  failing.tlsResult = TLS_UNTRUSTED_ROOT;
  noTls.hasTls = false;
  noTlsRemembered.hasTls = false;
  noTlsRemembered.tlsRemembered = 1;
  struct Case {
    const char* name;
    std::vector<std::string> pieces;
    Options options;
    const char* result;
    const char* sent;
  };
  const std::vector<std::string> counted = {"+OK\r\n", "+OK\r\n", "+OK 1 1\r\n"};
  auto After = [&](const char* capa, std::vector<std::string> rest) {
    std::vector<std::string> pieces = {"+OK\r\n", capa};
    pieces.insert(pieces.end(), rest.begin(), rest.end());
    return pieces;
  };
  const Case cases[] = {
      {"upgraded", After(capaStls, {"+OK go\r\n", "+OK\r\n", "+OK\r\n", "+OK 1 1\r\n"}), plain,
       "1通（1KB）", "CAPA\r\nSTLS\r\n<TLS>USER taro\r\nPASS pw\r\nSTAT\r\nQUIT\r\n"},
      {"refused", After(capaStls, {"-ERR not now\r\n", "+OK\r\n", "+OK\r\n"}), plain,
       "STLSが拒否されました", "CAPA\r\nSTLS\r\n"},
      {"no answer to STLS", After(capaStls, {}), plain, "STLSが拒否されました", "CAPA\r\nSTLS\r\n"},
      {"list cut after STLS", {"+OK\r\n", "+OK\r\nSTLS\r\n"}, plain, "STLSが拒否されました",
       "CAPA\r\nSTLS\r\n"},
      {"handshake refused", After(capaStls, {"+OK go\r\n"}), failing,
       "証明書エラー（信頼されていない発行元）", "CAPA\r\nSTLS\r\n<TLS>"},
      {"remembered, offer gone", After(capaPlain, counted), remembered, removed, "CAPA\r\n"},
      {"remembered, no CAPA", After(kNoCapa, counted), remembered, removed, "CAPA\r\n"},
      {"required, no STLS", After(capaPlain, counted), required, "サーバーがTLSに対応していません",
       "CAPA\r\n"},
      {"required, no CAPA", After(kNoCapa, counted), required, "サーバーがTLSに対応していません",
       "CAPA\r\n"},
      {"remembered, system without TLS", After(capaStls, counted), noTlsRemembered,
       "このWindowsではTLSを使えません", "CAPA\r\n"},
      // Nothing asks for TLS: a server without STLS, or a system without
      // TLS, is talked to in clear, and the row says so.
      {"plain", After(capaPlain, {"+OK\r\n", "+OK\r\n", "+OK 0 0\r\n"}), plain,
       "なし（暗号化なし）", kPlain},
      {"system without TLS", After(capaStls, {"+OK\r\n", "+OK\r\n", "+OK 0 0\r\n"}), noTls,
       "なし（暗号化なし）", kPlain},
      // Bytes sent in clear before the handshake are never read as protected.
      {"injected", After(capaStls, {"+OK go\r\n-ERR\r\n", "+OK\r\n", "+OK\r\n", "+OK 4 4096\r\n"}),
       plain, "4通（4KB）", "CAPA\r\nSTLS\r\n<TLS>USER taro\r\nPASS pw\r\nSTAT\r\nQUIT\r\n"}};
  for (const Case& c : cases) {
    Outcome o = Dialogue(c.pieces, c.options);
    EXPECT_EQ(c.result, o.result) << c.name;
    EXPECT_EQ(c.sent, o.sent) << c.name;
    EXPECT_EQ(c.name == std::string("upgraded") || c.name == std::string("injected"),
              o.row.link == LINK_STLS) << c.name;
  }
}

TEST(Pop3Dialogue, ImplicitTlsStartsBeforeTheGreetingAndEachFailureHasItsText) {
  Options implicit;
  implicit.implicitTls = 1;
  Outcome o = Dialogue({"+OK\r\n", "+OK\r\n", "+OK\r\n", "+OK 2 10\r\n"}, implicit);
  EXPECT_EQ("<TLS>USER taro\r\nPASS pw\r\nSTAT\r\nQUIT\r\n", o.sent);
  EXPECT_EQ("2通（1KB）", o.result);
  EXPECT_EQ(LINK_TLS, o.row.link);
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

TEST(Pop3Stat, DigitsStopAtTheFirstNonDigitAndSizesPassTwoGigabytes) {
  int count = -1;
  int64_t octets = -1;
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
  ParseStatReply("+OK 99999999999999 99999999999999999999999", &count, &octets);
  EXPECT_EQ(INT_MAX, count);
  EXPECT_EQ(INT64_MAX, octets);
  EXPECT_EQ(1, KilobytesShown(0));
  EXPECT_EQ(1, KilobytesShown(2047));
  EXPECT_EQ(2, KilobytesShown(2048));
  // Three gigabytes, and a byte short of 2^53, as the notice shows them.
  const std::pair<const char*, const char*> big[] = {
      {"+OK 5 3221225472\r\n", "5通（3145728KB）"},
      {"+OK 7 9007199254740991\r\n", "7通（8796093022207KB）"}};
  for (const auto& b : big) {
    Options implicit;
    implicit.implicitTls = 1;
    EXPECT_EQ(b.second, Dialogue({"+OK\r\n", "+OK\r\n", "+OK\r\n", b.first}, implicit).result);
  }
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
  MailResult empty = {"empty", "", MAIL_COUNTED, 0, 0, 0, 0};
  AddMailResult(&report, &empty);
  EXPECT_FALSE(ReportWantsNotice(&report));  // empty mailboxes alone: no notice
  MailResult row = {"home", "", MAIL_NO_GREETING, 0, 0, 0, 0};
  memset(row.server, 's', sizeof row.server - 1);
  int added = 0;
  while (AddMailResult(&report, &row)) added++;
  EXPECT_EQ(MAIL_REPORT_ROWS - 1, added);
  EXPECT_TRUE(ReportWantsNotice(&report));
  char text[MAIL_RESULT_TEXT_SIZE];
  FormatMailResult(&report.rows[MAIL_REPORT_ROWS - 1], text);
  EXPECT_EQ(std::string(63, 's') + "に接続失敗", text);  // the longest text still fits
  row.outcome = MAIL_TLS_FAILED;
  row.tls = 99;  // outside the known results: a failed handshake
  FormatMailResult(&row, text);
  EXPECT_STREQ("TLS接続に失敗", text);
}

// The memory knows a server by host and port as the account writes it,
// reads what an editor left, and never outgrows its buffer.
TEST(TlsMemory, ServersAreKnownByHostAndPort) {
  char memory[TLS_MEMORY_SIZE] = "";
  EXPECT_TRUE(TlsMemoryAdd(memory, sizeof memory, "pop.example.jp"));
  EXPECT_FALSE(TlsMemoryAdd(memory, sizeof memory, "pop.example.jp:110"));  // the same server
  EXPECT_TRUE(TlsMemoryHolds(memory, "pop.example.jp:110"));
  EXPECT_FALSE(TlsMemoryHolds(memory, "pop.example.jp:1110"));
  EXPECT_FALSE(TlsMemoryHolds(memory, "example.jp"));
  EXPECT_FALSE(TlsMemoryHolds(memory, "xpop.example.jp"));
  EXPECT_FALSE(TlsMemoryAdd(memory, sizeof memory, "pop3s://"));
  char edited[TLS_MEMORY_SIZE] = "a.example.jp:110\r\nb.example.jp:995";
  EXPECT_TRUE(TlsMemoryHolds(edited, "a.example.jp"));
  EXPECT_TRUE(TlsMemoryHolds(edited, "pop3s://b.example.jp"));
  EXPECT_TRUE(TlsMemoryAdd(edited, sizeof edited, "c.example.jp"));
  EXPECT_STREQ("a.example.jp:110\r\nb.example.jp:995\nc.example.jp:110\n", edited);
  EXPECT_TRUE(TlsMemoryRemove(edited, "b.example.jp:995"));
  EXPECT_FALSE(TlsMemoryRemove(edited, "b.example.jp:995"));
  EXPECT_TRUE(TlsMemoryRemove(edited, "c.example.jp"));
  EXPECT_STREQ("a.example.jp:110\r\n", edited);
  char small[24] = "a.example.jp:110\n";
  EXPECT_FALSE(TlsMemoryAdd(small, sizeof small, "b.example.jp"));
  EXPECT_STREQ("a.example.jp:110\n", small);
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
