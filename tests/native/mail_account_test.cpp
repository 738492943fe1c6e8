#include "mail/account_format.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Scrambled(const char* plain) {
  std::string s = plain;
  ScrambleLine(&s[0]);
  return s;
}

AccountEntry Entry(const char* name, const char* server, const char* user, const char* pass) {
  AccountEntry e = {};
  snprintf(e.name, sizeof e.name, "%s", name);
  snprintf(e.server, sizeof e.server, "%s", server);
  snprintf(e.user, sizeof e.user, "%s", user);
  snprintf(e.password, sizeof e.password, "%s", pass);
  return e;
}

int NextLine(const std::string& file, size_t* offset, char line[ACCOUNT_LINE_SIZE]) {
  return ReadNextAccountLine(file.data(), file.size(), offset, line);
}

bool Rewrite(const std::string& file, int index, const char* newLine, std::string* out) {
  std::string room(file.size() + ACCOUNT_LINE_SIZE, '?');
  size_t length;
  if (!RewriteAccountLines(file.data(), file.size(), index, newLine, &room[0], &length)) return false;
  *out = room.substr(0, length);
  return true;
}

std::string Append(const std::string& file, const char* line) {
  std::string room(file.size() + 1 + strlen(line), '?');
  return room.substr(0, AppendAccountLine(file.data(), file.size(), line, &room[0]));
}

AccountCheck Check(const char* name, const char* server, const char* user, const char* pass) {
  AccountEntry e = Entry(name, server, user, pass);
  return CheckAccountFields(&e);
}

TEST(AccountScramble, ShiftsEveryByteButCommaAndLineFeed) {
  EXPECT_EQ("\xA1\xA2\xA3", Scrambled("abc"));
  EXPECT_EQ("\xA1\xA2\xA3,\n", Scrambled("abc,\n"));
  EXPECT_EQ("\x3F\x80", Scrambled("\xFF\x40"));  // wraps modulo 256
  // Every byte that may be stored comes back as it was.
  std::string all;
  for (int c = 1; c < 256; c++) {
    char one[2] = {(char)c, 0};
    if (c == '\n' || c == ',' || IsStorableField(one)) all += (char)c;
  }
  EXPECT_EQ(252u, all.size());
  std::string s = all;
  ScrambleLine(&s[0]);
  UnscrambleLine(&s[0]);
  EXPECT_EQ(all, s);
}

TEST(AccountScramble, BytesThatWouldBecomeSeparatorsAreRefused) {
  EXPECT_TRUE(IsStorableField("pop.example.jp"));
  EXPECT_TRUE(IsStorableField("\x83\x5C\x95\x5C"));  // ソ表: trail bytes 0x5C are fine
  EXPECT_FALSE(IsStorableField("a,b"));
  EXPECT_FALSE(IsStorableField("\xC0"));      // half-width タ
  EXPECT_FALSE(IsStorableField("x\xCA"));     // half-width ハ
  EXPECT_FALSE(IsStorableField("\x88\xEC"));  // a trail byte 0xEC
  EXPECT_FALSE(IsStorableField("\xEC\x40"));  // a lead byte 0xEC
}

TEST(AccountValidation, EmptyFieldsAreReportedBeforeCommasInFieldOrder) {
  EXPECT_EQ(ACCOUNT_OK, Check("n", "s", "u", "p"));
  EXPECT_EQ(ACCOUNT_NO_NAME, Check("", "", "", ""));
  EXPECT_EQ(ACCOUNT_NO_SERVER, Check("n,x", "", "u", "p"));
  EXPECT_EQ(ACCOUNT_NO_USER, Check("n", "s", "", "p,"));
  EXPECT_EQ(ACCOUNT_NO_PASSWORD, Check(",", ",", ",", ""));
  EXPECT_EQ(ACCOUNT_BAD_CHARACTER, Check("n", "s", "u", "p,"));
  EXPECT_EQ(ACCOUNT_BAD_CHARACTER, Check("\xC0", "s", "u", "p"));
}

TEST(AccountLine, BuiltLineSplitsBackIntoTheSameFields) {
  AccountEntry in = Entry("\x8E\x84\x82\xCC", "pop.example.jp", "taro", "secret");
  char line[ACCOUNT_LINE_SIZE];
  ASSERT_TRUE(BuildAccountLine(&in, line, sizeof line));
  std::string plain = line;
  UnscrambleLine(&plain[0]);
  EXPECT_EQ("\x8E\x84\x82\xCC,pop.example.jp,taro,secret,\n", plain);
  AccountEntry out;
  SplitAccountFields(plain.c_str(), &out);
  EXPECT_STREQ(in.name, out.name);
  EXPECT_STREQ(in.server, out.server);
  EXPECT_STREQ(in.user, out.user);
  EXPECT_STREQ(in.password, out.password);
  ASSERT_TRUE(SplitAccountTokens(plain.c_str(), &out));
  EXPECT_STREQ("secret", out.password);  // no line feed in the last field
  char small[10];
  EXPECT_FALSE(BuildAccountLine(&in, small, sizeof small));
}

TEST(AccountLine, ExactSplitKeepsEmptyFieldsTokenSplitSkipsThem) {
  AccountEntry e;
  SplitAccountFields("a,,c,d,\n", &e);
  EXPECT_STREQ("a", e.name);
  EXPECT_STREQ("", e.server);
  EXPECT_STREQ("c", e.user);
  EXPECT_STREQ("d", e.password);
  EXPECT_FALSE(SplitAccountTokens("a,,c,d,\n", &e));
  EXPECT_TRUE(SplitAccountTokens(",,a,,b,c,,d,e,\n", &e));
  EXPECT_STREQ("a", e.name);
  EXPECT_STREQ("d", e.password);
}

TEST(AccountLine, ShortAndOverlongHandEditedLinesStayInsideTheFields) {
  AccountEntry e;
  SplitAccountFields("", &e);
  EXPECT_STREQ("", e.name);
  SplitAccountFields("only", &e);  // no comma, no line feed
  EXPECT_STREQ("only", e.name);
  EXPECT_STREQ("", e.server);
  EXPECT_FALSE(SplitAccountTokens("\n", &e));
  EXPECT_FALSE(SplitAccountTokens("name,server\n", &e));
  EXPECT_STREQ("server", e.server);

  std::string longName(100, 'n'), longServer(150, 's');
  SplitAccountFields((longName + "," + longServer + ",u,p,\n").c_str(), &e);
  EXPECT_EQ(std::string(31, 'n'), e.name);
  EXPECT_EQ(std::string(63, 's'), e.server);
  EXPECT_STREQ("u", e.user);
  // A cut never leaves half a character: 16 two-byte characters into 32 bytes.
  std::string kanji;
  for (int i = 0; i < 16; i++) kanji += "\x8E\x9E";
  SplitAccountFields((kanji + ",s,u,p,").c_str(), &e);
  EXPECT_EQ(30u, strlen(e.name));
}

TEST(AccountFile, LinesAreTheReadersLinesEvenWhenOverlongOrUnterminated) {
  std::string longLine(300, 'x');
  std::string file = "a\n" + longLine + "\nlast";
  size_t offset = 0;
  char line[ACCOUNT_LINE_SIZE];
  std::vector<std::string> lines;
  while (NextLine(file, &offset, line)) lines.push_back(line);
  ASSERT_EQ(4u, lines.size());
  EXPECT_EQ("a\n", lines[0]);
  EXPECT_EQ(211u, lines[1].size());  // read as two lines
  EXPECT_EQ(std::string(89, 'x') + "\n", lines[2]);
  EXPECT_EQ("last", lines[3]);
  EXPECT_FALSE(NextLine(std::string(), &(offset = 0), line));
}

TEST(AccountFile, ReplaceAndDeleteKeepEveryOtherByte) {
  // Odd bytes in the kept lines: a NUL, a carriage return, no final line feed.
  std::string first("one\r\n"), second("t\0wo\n", 5), third("three");
  std::string file = first + second + third;
  std::string out = "untouched";
  ASSERT_TRUE(Rewrite(file, 1, "NEW\n", &out));
  EXPECT_EQ(first + "NEW\n" + third, out);
  ASSERT_TRUE(Rewrite(file, 2, "NEW\n", &out));
  EXPECT_EQ(first + second + "NEW\n", out);
  ASSERT_TRUE(Rewrite(file, 0, nullptr, &out));
  EXPECT_EQ(second + third, out);
  ASSERT_TRUE(Rewrite("only\n", 0, nullptr, &out));
  EXPECT_EQ("", out);
  out = "untouched";
  EXPECT_FALSE(Rewrite(file, 3, "NEW\n", &out));
  EXPECT_FALSE(Rewrite(file, -1, nullptr, &out));
  EXPECT_FALSE(Rewrite("", 0, nullptr, &out));
  EXPECT_EQ("untouched", out);
}

TEST(AccountFile, AppendEndsAnUnterminatedLastLineFirst) {
  EXPECT_EQ("x\n", Append("", "x\n"));
  EXPECT_EQ("a\nx\n", Append("a\n", "x\n"));
  EXPECT_EQ("a\nx\n", Append("a", "x\n"));
}

}  // namespace
