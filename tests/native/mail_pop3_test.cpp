#include "mail/pop3_dialogue.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>

#include <string>
#include <vector>

namespace {

// A server that plays one reply per receive and records what it was sent.
struct ScriptedServer {
  std::vector<std::string> replies;
  size_t next = 0;
  std::string sent;
};

int ScriptSend(void* context, const char* bytes, int length) {
  ((ScriptedServer*)context)->sent.append(bytes, length);
  return length;
}

int ScriptReceive(void* context, char* buffer, int size) {
  ScriptedServer* s = (ScriptedServer*)context;
  if (s->next >= s->replies.size()) return 0;  // closed
  std::string& r = s->replies[s->next];
  int n = (int)r.size() < size ? (int)r.size() : size;
  memcpy(buffer, r.data(), n);
  r.erase(0, n);
  if (r.empty()) s->next++;
  return n;
}

struct Outcome {
  int given;
  std::string result;
  std::string sent;
};

Outcome Dialogue(std::vector<std::string> replies) {
  ScriptedServer server;
  server.replies = replies;
  Pop3Link link = {&server, ScriptSend, ScriptReceive};
  char result[REPORT_LINE_SIZE] = "";
  int given = RunPop3Dialogue(&link, "pop.example.jp", "taro", "pw", result, sizeof result);
  return {given, result, server.sent};
}

TEST(Pop3Dialogue, CompleteDialogueReportsCountAndKilobytes) {
  Outcome o = Dialogue({"+OK ready\r\n", "+OK\r\n", "+OK\r\n", "+OK 3 500\r\n", "+OK bye\r\n"});
  EXPECT_EQ(3, o.given);
  EXPECT_EQ("3通（1KB）", o.result);
  EXPECT_EQ("USER taro\r\nPASS pw\r\nSTAT\r\nQUIT\r\n", o.sent);
  EXPECT_EQ("2通（2KB）", Dialogue({"+OK", "+OK", "+OK", "+OK 2 2048", "+OK"}).result);
  Outcome empty = Dialogue({"+OK", "+OK", "+OK", "+OK 0 0\r\n", "+OK"});
  EXPECT_EQ(0, empty.given);
  EXPECT_EQ("なし", empty.result);
}

TEST(Pop3Dialogue, OkAnywhereInOneReceiveAndSplitRepliesShiftOn) {
  EXPECT_EQ(1, Dialogue({"hello +OK there", "+OK", "+OK", "+OK 1 10", "+OK"}).given);
  // A NUL before "+OK" does not hide it.
  EXPECT_EQ(0, Dialogue({std::string("x\0+OK", 5), "+OK", "+OK", "+OK 0 0", ""}).given);
  // The greeting's tail arrives with USER's receive; what STAT gets is PASS's reply.
  Outcome split = Dialogue({"+O", "K ready\r\n", "+OK", "+OK", "+OK 5 5000"});
  EXPECT_EQ(1, split.given);
  EXPECT_EQ("pop.example.jpに接続失敗", split.result);
  // A reply longer than one receive spills into the next step.
  Outcome spill = Dialogue({"+OK " + std::string(300, 'x'), "+OK", "+OK", "+OK 1 1"});
  EXPECT_EQ("認証エラー", spill.result);
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

TEST(Pop3Server, HostAndPortSplit) {
  char host[64];
  unsigned short port = 0;
  ASSERT_TRUE(SplitHostPort("pop.example.jp", host, sizeof host, &port));
  EXPECT_STREQ("pop.example.jp", host);
  EXPECT_EQ(110, port);
  ASSERT_TRUE(SplitHostPort("127.0.0.1:1110", host, sizeof host, &port));
  EXPECT_STREQ("127.0.0.1", host);
  EXPECT_EQ(1110, port);
  const char* notPorts[] = {"h:", "h:0", "h:65536", "h:12a", ":110", "h:1234567"};
  for (const char* s : notPorts) {
    ASSERT_TRUE(SplitHostPort(s, host, sizeof host, &port)) << s;
    EXPECT_STREQ(s, host);
    EXPECT_EQ(110, port);
  }
  EXPECT_FALSE(SplitHostPort("abcdef", host, 6, &port));
}

TEST(MailReport, LinesThatDoNotFitAreDroppedWhole) {
  char report[MAIL_REPORT_SIZE] = "";
  std::string result(90, 'r');
  int added = 0;
  while (AppendReportLine(report, "name", result.c_str())) added++;
  EXPECT_EQ(10, added);  // 10 lines of 96 bytes; an 11th would pass 1023
  EXPECT_EQ(960u, strlen(report));
  EXPECT_TRUE(AppendReportLine(report, "n", std::string(60, 'x').c_str()));  // 63 still fits
  EXPECT_EQ(1023u, strlen(report));
  EXPECT_FALSE(AppendReportLine(report, "", ""));
  EXPECT_EQ('\n', report[1022]);
}

TEST(MailReport, RowsSplitAtTheFirstCommaAndAreCutToTheirColumns) {
  const char* report = "home,3 (1KB))\nwork,none\nodd\nx,a,b\n";
  const char* cursor = report;
  char account[64], result[8];
  std::vector<std::pair<std::string, std::string>> rows;
  while (NextReportRow(&cursor, account, sizeof account, result, sizeof result))
    rows.push_back({account, result});
  ASSERT_EQ(4u, rows.size());
  EXPECT_EQ("home", rows[0].first);
  EXPECT_EQ("3 (1KB)", rows[0].second);  // cut to the 8-byte column
  EXPECT_EQ("none", rows[1].second);
  EXPECT_EQ("odd", rows[2].first);
  EXPECT_EQ("", rows[2].second);
  EXPECT_EQ("a,b", rows[3].second);
}

}  // namespace
