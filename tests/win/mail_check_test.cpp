// The mail check against scripted POP3 servers on loopback, inside the
// test process: report rows, the sum rule, time-outs and the timed check.
#include <gtest/gtest.h>

#include "shell/globals.h"
#include "app_harness.h"
#include "mail/mail_check.h"
#include "mail/pop3_dialogue.h"
#include "platform/dial_up.h"
#include "pop3_server.h"
#include "res/resource.h"
#include "win_support.h"

namespace {

const char kNotice[] = "メールが届いています…";

std::string Account(const char* name, const std::string& server) {
  return AccountFileLine(name, server, "taro", "pw");
}

typedef std::vector<std::vector<std::string>> Rows;

// Waits for the notice, reads its rows, closes it.
Rows TakeNotice(DWORD ms) {
  HWND notice = WaitForCaption(GetCurrentProcessId(), kNotice, ms);
  if (!notice) return Rows();
  Rows rows = ListViewRows(GetDlgItem(notice, IDC_MAIL_LIST), 2);
  PostMessageA(notice, WM_COMMAND, IDOK, 0);
  PumpUntil(WindowGone, notice, 10000);
  return rows;
}

struct MailFixture {
  TempDataFolder folder;
  void Prepare(const std::string& accounts, const char* ini = "[MAIL]\r\nCHECK_LAN=1\r\n") {
    folder.WriteIni(ini);
    folder.WriteDataFile("ZENTICK.mld", accounts);
  }
};

std::vector<Pop3Step> Refusing(int okSteps, const char* refusal) {
  std::vector<Pop3Step> steps = ScriptedPop3Server::Dialogue("+OK\r\n", "+OK\r\n", "+OK\r\n", "");
  steps.resize(okSteps * 2 + 1);
  steps.back() = {Pop3Step::SEND, refusal, 0};
  return steps;
}

TEST(MailCheck, EachServerBehaviourGivesItsRowInFileOrder) {
  ScriptedPop3Server three(ScriptedPop3Server::Dialogue("+OK ready\r\n", "+OK\r\n", "+OK\r\n",
                                                        "+OK 3 500\r\n"));
  ScriptedPop3Server middle(ScriptedPop3Server::Dialogue("hello +OK there\r\n", "+OK\r\n",
                                                         "+OK\r\n", "+OK 0 0\r\n"));
  ScriptedPop3Server noGreeting({{Pop3Step::SEND, "-ERR go away\r\n", 0}});
  ScriptedPop3Server badUser(Refusing(1, "-ERR who\r\n"));
  ScriptedPop3Server badPass(Refusing(2, "-ERR wrong\r\n"));
  ScriptedPop3Server badStat(Refusing(3, "-ERR locked\r\n"));
  // The STAT reply comes in two pieces, which make one line.
  std::vector<Pop3Step> split = ScriptedPop3Server::Dialogue("+OK\r\n", "+OK\r\n", "+OK\r\n", "+OK 2");
  split.insert(split.begin() + 7, {{Pop3Step::PAUSE, "", 500}, {Pop3Step::SEND, " 2048\r\n", 0}});
  ScriptedPop3Server splitStat(split);
  // Every reply a byte at a time, after a long greeting.
  std::vector<Pop3Step> trickle;
  for (const Pop3Step& step : ScriptedPop3Server::Dialogue(
           ("+OK " + std::string(400, 'g') + "\r\n").c_str(), "+OK\r\n", "+OK\r\n", "+OK 4 4096\r\n")) {
    if (step.kind != Pop3Step::SEND) trickle.push_back(step);
    else
      for (char c : step.text) trickle.insert(trickle.end(), {{Pop3Step::SEND, std::string(1, c), 0}, {Pop3Step::PAUSE, "", 2}});
  }
  ScriptedPop3Server bytes(trickle);
  std::string closed = ClosedLoopbackAddress();

  MailFixture m;
  m.Prepare(Account("自宅", three.Address()) + Account("middle", middle.Address()) +
            Account("greet", noGreeting.Address()) + Account("user", badUser.Address()) +
            Account("pass", badPass.Address()) + Account("stat", badStat.Address()) +
            Account("split", splitStat.Address()) + Account("bytes", bytes.Address()) +
            Account("closed", closed) +
            Account("nohost", "no such host"));
  InProcessClock clock(m.folder);
  ASSERT_TRUE(clock.Started());
  SendMessageA(clock.Window(), WM_COMMAND, IDM_CHECK_MAIL, 0);
  Rows rows = TakeNotice(60000);
  Rows expected = {{"自宅", "3通（1KB）（暗号化なし）"},
                   {"middle", "なし（暗号化なし）"},
                   {"greet", noGreeting.Address() + "に接続失敗"},
                   {"user", "認証エラー"},
                   {"pass", "認証エラー"},
                   {"stat", "不明な失敗"},
                   {"split", "2通（2KB）（暗号化なし）"},
                   {"bytes", "4通（4KB）（暗号化なし）"},
                   {"closed", "サーバーソケットに接続失敗"},
                   {"nohost", "no such hostが見つかりません"}};
  EXPECT_EQ(expected, rows);
  EXPECT_EQ("CAPA\r\nUSER taro\r\nPASS pw\r\nSTAT\r\nQUIT\r\n", three.Received());
  EXPECT_EQ("CAPA\r\nUSER taro\r\n", badUser.Received());
  EXPECT_EQ(0, mailMinutes);
}

bool BothChecked(void* server) { return ((ScriptedPop3Server*)server)->Finished() >= 2; }

TEST(MailCheck, EmptyMailboxesShowNothing) {
  ScriptedPop3Server empty(ScriptedPop3Server::Dialogue("+OK\r\n", "+OK\r\n", "+OK\r\n",
                                                        "+OK 0 0\r\n"));
  MailFixture m;
  m.Prepare(Account("a", empty.Address()) + "\n" + Account("b", empty.Address()));
  InProcessClock clock(m.folder);
  ASSERT_TRUE(clock.Started());
  StartMailCheck(&theApp, clock.Window());
  ASSERT_TRUE(PumpUntil(BothChecked, &empty, 30000));  // the blank line is skipped
  EXPECT_EQ(NULL, WaitForCaption(GetCurrentProcessId(), kNotice, 1500));
}

bool Finished(void* server) { return ((ScriptedPop3Server*)server)->Finished() >= 1; }
bool CheckEnded(void*) { return !MailCheckBusy(); }

// Dial-up connections as the system would list them: this many are up.
int dialUpConnections;
DWORD WINAPI ListFakeConnections(LPRASCONNA list, LPDWORD, LPDWORD count) {
  for (int i = 0; i < dialUpConnections; i++) ((DialUpConnection*)list)[i].handle = (HRASCONN)1;
  *count = dialUpConnections;
  return 0;
}
struct FakeDialUp {
  DialUpSeam saved = dialUpSeam;
  FakeDialUp() { dialUpSeam.enumConnections = ListFakeConnections; }
  ~FakeDialUp() { dialUpSeam = saved; }
};

TEST(MailCheck, WithoutLanOrDialUpOnlyTheMenuSaysWhy) {
  ScriptedPop3Server empty(ScriptedPop3Server::Dialogue("+OK\r\n", "+OK\r\n", "+OK\r\n",
                                                        "+OK 0 0\r\n"));
  MailFixture m;
  m.Prepare(Account("a", empty.Address()), "[MAIL]\r\nALLOW_CHECK=1\r\nCHECK_TIME=1\r\n");
  FakeDialUp dialUp;
  dialUpConnections = 0;
  InProcessClock clock(m.folder);
  ASSERT_TRUE(clock.Started());
  MessageBoxCatcher catcher;
  // The timed check stays quiet; only the count starts again.
  mailMinutes = 7;
  clock.TickAt(12, 0, 59);
  clock.TickAt(12, 1, 0);
  EXPECT_EQ(0, mailMinutes);
  EXPECT_TRUE(catcher.boxes.empty());
  // The menu's check says which box to tick.
  SendMessageA(clock.Window(), WM_COMMAND, IDM_CHECK_MAIL, 0);
  ASSERT_EQ(1u, catcher.boxes.size());
  EXPECT_EQ("メールチェック", catcher.boxes[0].caption);
  EXPECT_NE(std::string::npos,
            catcher.boxes[0].text.find("アカウントの設定 で「LAN接続（常にチェックする）」に"));
  PumpFor(1000);
  EXPECT_EQ("", empty.Received());
  // With a dial-up connection up the menu's check runs, without a word.
  dialUpConnections = 1;
  SendMessageA(clock.Window(), WM_COMMAND, IDM_CHECK_MAIL, 0);
  EXPECT_TRUE(PumpUntil(Finished, &empty, 30000));
  EXPECT_TRUE(PumpUntil(CheckEnded, nullptr, 10000));
  EXPECT_EQ(1u, catcher.boxes.size());
}

TEST(MailCheck, SilentServerIsGivenUpAndTheClockKeepsRunning) {
  ScriptedPop3Server silent({{Pop3Step::HOLD, "", 0}});
  // Greets, then answers USER with a single byte and nothing more.
  ScriptedPop3Server trickle({{Pop3Step::SEND, "+OK\r\n", 0}, {Pop3Step::READ_LINE, "", 0},
                              {Pop3Step::SEND, "+", 0}, {Pop3Step::HOLD, "", 0}});
  MailFixture m;
  m.Prepare(Account("silent", silent.Address()) + Account("trickle", trickle.Address()));
  InProcessClock clock(m.folder);
  ASSERT_TRUE(clock.Started());
  StartMailCheck(&theApp, clock.Window());
  // The check waits on its own thread: the tick still runs here.
  clock.TickAt(12, 1, 0);
  EXPECT_EQ(1, mailMinutes);
  Rows rows = TakeNotice(MAIL_CONNECT_TIMEOUT_MS + 2 * MAIL_REPLY_TIMEOUT_MS + 20000);
  Rows expected = {{"silent", silent.Address() + "に接続失敗"}, {"trickle", "認証エラー"}};
  EXPECT_EQ(expected, rows);
}

TEST(MailCheck, TlsRequiredSendsNoUserToAServerWithoutStls) {
  ScriptedPop3Server plain(ScriptedPop3Server::Dialogue("+OK\r\n", "+OK\r\n", "+OK\r\n", "+OK 1 1\r\n"),
                           "+OK\r\nTOP\r\nUSER\r\n.\r\n");
  MailFixture m;
  m.Prepare(Account("plain", plain.Address()), "[MAIL]\r\nCHECK_LAN=1\r\nTLS_REQUIRED=1\r\n");
  InProcessClock clock(m.folder);
  ASSERT_TRUE(clock.Started());
  StartMailCheck(&theApp, clock.Window());
  Rows expected = {{"plain", "サーバーがTLSに対応していません"}};
  EXPECT_EQ(expected, TakeNotice(30000));
  EXPECT_EQ("CAPA\r\n", plain.Received());
}

TEST(MailCheck, NoticeLeavesTheOpenDialogCodeAlone) {
  ScriptedPop3Server one(ScriptedPop3Server::Dialogue("+OK\r\n", "+OK\r\n", "+OK\r\n",
                                                      "+OK 1 2048\r\n"));
  MailFixture m;
  m.Prepare(Account("one", one.Address()));
  InProcessClock clock(m.folder);
  ASSERT_TRUE(clock.Started());
  StartMailCheck(&theApp, clock.Window());
  HWND notice = WaitForCaption(GetCurrentProcessId(), kNotice, 30000);
  ASSERT_NE(nullptr, notice);
  openDialog = DIALOG_EVENT;
  PostMessageA(notice, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(PumpUntil(WindowGone, notice, 10000));
  EXPECT_EQ(DIALOG_EVENT, openDialog);
}

// The tick acts on a change of second, so each boundary needs one before it.
void TickMinute(InProcessClock* clock, WORD minute) {
  clock->TickAt(12, minute - 1, 59);
  clock->TickAt(12, minute, 0);
}

bool IsForeground(void* window) { return GetForegroundWindow() == (HWND)window; }

TEST(MailCheck, OneCheckAndOneNoticeAtATimeAndQuitDoesNotHoldTheNotice) {
  // QUIT's reply would come long after the report is complete.
  std::vector<Pop3Step> slowQuit =
      ScriptedPop3Server::Dialogue("+OK\r\n", "+OK\r\n", "+OK\r\n", "+OK 1 2048\r\n");
  slowQuit.back() = {Pop3Step::PAUSE, "", MAIL_REPLY_TIMEOUT_MS / 2};
  ScriptedPop3Server server(slowQuit);
  MailFixture m;
  m.Prepare(Account("one", server.Address()));
  InProcessClock clock(m.folder);
  ASSERT_TRUE(clock.Started());
  SendMessageA(clock.Window(), WM_COMMAND, IDM_CHECK_MAIL, 0);
  SendMessageA(clock.Window(), WM_COMMAND, IDM_CHECK_MAIL, 0);  // still running: no second check
  HWND notice = WaitForCaption(GetCurrentProcessId(), kNotice, MAIL_REPLY_TIMEOUT_MS / 2 - 2000);
  ASSERT_NE(nullptr, notice);

  // Due while the notice is open: skipped, and the count starts again.
  clock.TickAt(12, 29, 59);
  theApp.WriteSettingInt(Setting::mailAutoCheck, 1);
  theApp.WriteSettingInt(Setting::mailIntervalMinutes, 1);
  mailMinutes = 5;
  clock.TickAt(12, 30, 0);
  EXPECT_EQ(0, mailMinutes);
  // The menu brings the open notice forward instead.
  SetForegroundWindow(clock.Window());
  SendMessageA(clock.Window(), WM_COMMAND, IDM_CHECK_MAIL, 0);
  EXPECT_TRUE(PumpUntil(IsForeground, notice, 5000));  // the notice's thread takes it in
  PostMessageA(notice, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(PumpUntil(WindowGone, notice, 10000));
  EXPECT_TRUE(PumpUntil(Finished, &server, MAIL_REPLY_TIMEOUT_MS));
  PumpFor(1000);  // a queued second connection would be served now
  EXPECT_EQ("CAPA\r\nUSER taro\r\nPASS pw\r\nSTAT\r\nQUIT\r\n", server.Received());
  EXPECT_FALSE(MailCheckBusy());
}

bool Connected(void* server) { return !((ScriptedPop3Server*)server)->Received().empty(); }

TEST(MailCheck, TimedCheckAfterTheIntervalButNotUnderTheSettingsDialog) {
  ScriptedPop3Server empty(ScriptedPop3Server::Dialogue("+OK\r\n", "+OK\r\n", "+OK\r\n",
                                                        "+OK 0 0\r\n"));
  MailFixture m;
  m.Prepare(Account("a", empty.Address()),
            "[MAIL]\r\nCHECK_LAN=1\r\nALLOW_CHECK=1\r\nCHECK_TIME=2\r\n");
  InProcessClock clock(m.folder);
  ASSERT_TRUE(clock.Started());
  openDialog = DIALOG_MAIL;
  for (WORD minute = 1; minute <= 4; minute++) TickMinute(&clock, minute);
  EXPECT_EQ(4, mailMinutes);
  PumpFor(1000);
  EXPECT_EQ("", empty.Received());
  openDialog = DIALOG_NONE;
  mailMinutes = 0;
  TickMinute(&clock, 5);
  TickMinute(&clock, 6);
  EXPECT_EQ(2, mailMinutes);  // not above the interval yet
  TickMinute(&clock, 7);
  EXPECT_EQ(0, mailMinutes);  // the check started and reset the count
  EXPECT_TRUE(PumpUntil(Connected, &empty, 30000));
}

}  // namespace
