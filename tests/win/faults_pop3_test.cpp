// Mail servers that reset the connection at each step of the dialogue.
#include <gtest/gtest.h>

#include "shell/globals.h"
#include "app_harness.h"
#include "mail/mail_check.h"
#include "pop3_server.h"
#include "res/resource.h"

namespace {

const char kNotice[] = "メールが届いています…";

// The first `keep` steps of a whole dialogue, then a reset.
std::vector<Pop3Step> ResetAfter(size_t keep) {
  std::vector<Pop3Step> steps =
      ScriptedPop3Server::Dialogue("+OK\r\n", "+OK\r\n", "+OK\r\n", "+OK 2 2048\r\n");
  steps.resize(keep);
  steps.push_back({Pop3Step::RESET, "", 0});
  return steps;
}

bool CheckEnded(void*) { return !MailCheckBusy(); }

struct ResetCase {
  const char* name;
  std::vector<Pop3Step> script;
  const char* result;  // after the server's address when it starts with a space
};

TEST(FaultPop3, ResetAtEachStepGivesEachAccountItsFailureAndTheClockTicksOn) {
  // A pause after the greeting lets it arrive before the reset.
  std::vector<Pop3Step> greeted = ResetAfter(1);
  greeted.insert(greeted.begin() + 1, {Pop3Step::PAUSE, "", 300});
  ResetCase cases[] = {
      {"accept", ResetAfter(0), " に接続失敗"},
      {"greeting", greeted, "認証エラー"},
      {"user", ResetAfter(2), "認証エラー"},
      {"pass", ResetAfter(4), "認証エラー"},
      {"stat", ResetAfter(6), "不明な失敗"},
      {"quit", ResetAfter(8), "2通（2KB）（暗号化なし）"},
  };
  std::vector<ScriptedPop3Server*> servers;
  std::string accounts;
  for (const ResetCase& c : cases) {
    servers.push_back(new ScriptedPop3Server(c.script));
    accounts += AccountFileLine(c.name, servers.back()->Address(), "taro", "pw");
  }
  TempDataFolder folder;
  folder.WriteIni("[MAIL]\r\nCHECK_LAN=1\r\n[IMAGE]\r\nLAST_NUM=0\r\n");
  folder.WriteDataFile("ZENTICK.mld", accounts);
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());

  for (int round = 0; round < 2; round++) {
    SCOPED_TRACE(round);
    clock.TickAt(12, 10 + round, 59);
    SendMessageA(clock.Window(), WM_COMMAND, IDM_CHECK_MAIL, 0);
    clock.TickAt(12, 11 + round, 0);
    EXPECT_EQ(1, mailMinutes);  // counted while the check runs
    HWND notice = WaitForCaption(GetCurrentProcessId(), kNotice, 60000);
    ASSERT_NE(nullptr, notice);
    std::vector<std::vector<std::string>> rows = ListViewRows(GetDlgItem(notice, IDC_MAIL_LIST), 2);
    PostMessageA(notice, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(PumpUntil(WindowGone, notice, 10000));
    ASSERT_TRUE(PumpUntil(CheckEnded, nullptr, 10000));
    ASSERT_EQ(6u, rows.size());
    for (size_t i = 0; i < rows.size(); i++) {
      const ResetCase& c = cases[i];
      std::string result = c.result[0] == ' ' ? servers[i]->Address() + (c.result + 1) : c.result;
      EXPECT_EQ(c.name, rows[i][0]);
      EXPECT_EQ(result, rows[i][1]) << c.name;
    }
  }
  EXPECT_EQ("CAPA\r\nUSER taro\r\nPASS pw\r\nSTAT\r\n", servers[4]->Received().substr(0, 32));
  clock.TickAt(12, 20, 1);
  EXPECT_TRUE(IsWindow(clock.Window()));
  EXPECT_TRUE(IsWindowVisible(clock.Window()));
  for (ScriptedPop3Server* s : servers) delete s;
}

}  // namespace
