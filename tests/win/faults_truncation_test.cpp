// Data files cut short at every length of a valid one: the face, the skin
// list's texts and the account readers and mail check fall back soundly.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include "shell/globals.h"
#include "app_harness.h"
#include "mail/account_file.h"
#include "mail/mail_check.h"
#include "pop3_server.h"
#include "skin_support.h"
#include "skins/skin_format.h"
#include "res/resource.h"

namespace {

const COLORREF kSkinColour = RGB(0, 200, 0);
const COLORREF kBuiltinCorner = RGB(255, 0, 255);  // the built-in face's corner
const size_t kOneBitPixelsEnd = ONE_BIT_SKIN_PIXELS_END;

// Every length through the headers, the colour table and the texts; the
// middle of the pixel block, where every cut is alike, in steps.
size_t NextCut(size_t length) {
  bool inPixels = length >= 128 && length + 64 < kOneBitPixelsEnd;
  return length + (inPixels ? 13 : 1);
}

TEST(FaultTruncation, SkinCutAnywhereGivesTheBuiltinFaceOrTheWholePicture) {
  TempDataFolder folder;
  folder.WriteIni("[IMAGE]\r\nLAST_NUM=0\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  std::string whole = OneBitSkinFile("skin1", "author", kSkinColour);
  ASSERT_EQ(kOneBitPixelsEnd + 13, whole.size());
  std::string path = folder.DataDir() + "cut.qkb";
  SkinRow defaults;
  SetSkinRowDefaults(&defaults, "cut.qkb");
  DWORD start = GetTickCount();
  int cuts = 0;
  for (size_t length = 0; length <= whole.size(); length = NextCut(length)) {
    SCOPED_TRACE(length);
    cuts++;
    ASSERT_TRUE(WriteFileBytes(path, whole.substr(0, length)));
    theClock.SetFaceImage("cut.qkb");
    bool drawable = length >= kOneBitPixelsEnd;
    ASSERT_EQ(drawable ? kSkinColour : kBuiltinCorner, GetPixel(theClock.memoryDC, 202, 2));
    ASSERT_EQ(200, theClock.faceWidth);
    ASSERT_EQ(200, theClock.faceHeight);
    // A face that cannot be drawn is not asked for again at the next start.
    if (length % 97 == 0 || length + 2 > kOneBitPixelsEnd) {
      ASSERT_EQ(drawable, folder.IniValue("IMAGE", "FILE") == "cut.qkb");
    }

    SkinRow row = defaults;
    FILE* file = fopen(path.c_str(), "rb");
    ASSERT_NE(nullptr, file);
    ReadSkinTexts(file, &row);
    fclose(file);
    bool titled = length >= kOneBitPixelsEnd + 6;
    ASSERT_STREQ(titled ? "skin1" : defaults.title, row.title);
    ASSERT_STREQ(length == whole.size() ? "author" : defaults.author, row.author);
  }
  printf("%d skin truncations in %lu ms\n", cuts,
         GetTickCount() - start);
  clock.TickAt(12, 0, 11);
  EXPECT_TRUE(IsWindow(clock.Window()));
}

struct Fields {
  const char *name, *server, *user, *password;
};

bool IsPrefix(const char* text, size_t size, const char* of) {
  return strnlen(text, size) < size && strncmp(text, of, strlen(text)) == 0 &&
         strlen(text) <= strlen(of);
}

void ExpectPrefixes(const AccountEntry& e, const Fields& f) {
  EXPECT_TRUE(IsPrefix(e.name, sizeof e.name, f.name)) << e.name;
  EXPECT_TRUE(IsPrefix(e.server, sizeof e.server, f.server)) << e.server;
  EXPECT_TRUE(IsPrefix(e.user, sizeof e.user, f.user)) << e.user;
  EXPECT_TRUE(IsPrefix(e.password, sizeof e.password, f.password)) << e.password;
}

TEST(FaultTruncation, AccountFileCutAnywhereReadsAsPrefixesOfItsFields) {
  const Fields accounts[2] = {{"自宅", "pop.example.jp", "taro", "secret"},
                              {"仕事", "127.0.0.1:110", "hanako", "pw"}};
  std::string whole;
  for (const Fields& f : accounts) whole += AccountFileLine(f.name, f.server, f.user, f.password);
  TempDataFolder folder;
  std::string path = folder.DataDir() + "ZENTICK.mld";
  for (size_t length = 0; length <= whole.size(); length++) {
    SCOPED_TRACE(length);
    ASSERT_TRUE(WriteFileBytes(path, whole.substr(0, length)));
    FileBytes file;
    ASSERT_TRUE(ReadAccountFile(path.c_str(), &file));
    std::string bytes(file.data, file.size);
    FreeFileBytes(&file);
    EXPECT_EQ(whole.substr(0, length), bytes);
    for (int index = 0; index < 3; index++) {
      AccountEntry e;
      memset(&e, 'x', sizeof e);
      ReadAccount(path.c_str(), index, &e);
      if (index < 2) {
        ExpectPrefixes(e, accounts[index]);
      } else {
        EXPECT_STREQ("", e.name);
      }
    }
    // The check's own reading: a line it would log in with is whole up to
    // the password, which may be cut.
    size_t offset = 0;
    char line[ACCOUNT_LINE_SIZE];
    for (int index = 0; ReadNextAccountLine(bytes.data(), bytes.size(), &offset, line); index++) {
      ASSERT_LT(index, 2);
      UnscrambleLine(line);
      AccountEntry e;
      if (!SplitAccountTokens(line, &e)) {
        continue;
      }
      EXPECT_STREQ(accounts[index].name, e.name);
      EXPECT_STREQ(accounts[index].server, e.server);
      EXPECT_STREQ(accounts[index].user, e.user);
      ExpectPrefixes(e, accounts[index]);
    }
  }
}

typedef std::vector<std::vector<std::string>> Rows;

Rows TakeNotice(DWORD ms) {
  HWND notice = WaitForCaption(GetCurrentProcessId(), "メールが届いています…", ms);
  if (!notice) return Rows();
  Rows rows = ListViewRows(GetDlgItem(notice, IDC_MAIL_LIST), 2);
  PostMessageA(notice, WM_COMMAND, IDOK, 0);
  PumpUntil(WindowGone, notice, 10000);
  return rows;
}

TEST(FaultTruncation, MailCheckOfACutSecondAccountChecksItOnlyWithAPassword) {
  ScriptedPop3Server server(ScriptedPop3Server::Dialogue("+OK\r\n", "+OK\r\n", "+OK\r\n",
                                                         "+OK 1 100\r\n"));
  std::string first = AccountFileLine("first", server.Address(), "u1", "p1");
  std::string second = AccountFileLine("second", server.Address(), "u2", "pw");
  size_t passwordStart = strlen("second,") + server.Address().size() + strlen(",u2,");
  TempDataFolder folder;
  folder.WriteIni("[MAIL]\r\nCHECK_LAN=1\r\n[IMAGE]\r\nLAST_NUM=0\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  for (size_t length = 0; length <= second.size(); length++) {
    SCOPED_TRACE(length);
    folder.WriteDataFile("ZENTICK.mld", first + second.substr(0, length));
    StartMailCheck(&theApp, clock.Window());
    Rows rows = TakeNotice(30000);
    Rows expected = {{"first", "1通（1KB）（暗号化なし）"}};
    if (length > passwordStart) expected.push_back({"second", "1通（1KB）（暗号化なし）"});
    ASSERT_EQ(expected, rows);
  }
  clock.TickAt(12, 0, 11);
  EXPECT_TRUE(IsWindow(clock.Window()));
}

}  // namespace
