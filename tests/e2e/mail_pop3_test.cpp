// The real clock checking a real POP3 server: Dovecot, started for the
// test on a loopback port with a mailbox the test fills, in clear or with
// TLS under the run's own test authority; and servers of the test's own
// where a reply must be forged.
#include <gtest/gtest.h>

#include "pop3_server.h"
#include "win_support.h"
#include "res/resource.h"

namespace {

// Starts the server script on the Linux side; it is not waited for.
bool RunDovecotScript(const std::string& arguments) {
  std::string line = std::string("start.exe /wait /unix ") + ZT_SOURCE_DIR +
                     "/tools/pop3/dovecot.sh " + arguments;
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(NULL, &line[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) return false;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

class Dovecot {
 public:
  explicit Dovecot(bool tls = false) {
    char name[64];
    snprintf(name, sizeof name, "/pop3-%lu", GetCurrentProcessId());
    dir_ = std::string(ZT_BUILD_DIR) + name;
    RunDovecotScript("start " + dir_ + (tls ? " " ZT_BUILD_DIR "/tls" : ""));
    PumpUntil(HasPort, this, 30000);
  }
  ~Dovecot() {
    RunDovecotScript("stop " + dir_);
    PumpUntil(Removed, this, 15000);
  }
  int Port() const { return port_; }
  // The same addresses and STLS port, in clear only from now on.
  void RestartInClear() {
    port_ = 0;
    DeleteFileA(HostPath((dir_ + "/port").c_str()).c_str());
    RunDovecotScript("plain " + dir_);
    PumpUntil(HasPort, this, 30000);
  }
  // Where the connection starts in TLS.
  int TlsPort() const { return atoi(ReadFileBytes(HostPath((dir_ + "/tls_port").c_str())).c_str()); }
  std::string Log() const { return ReadFileBytes(HostPath((dir_ + "/dovecot.log").c_str())); }
  void Deliver(const char* file, const std::string& message) const {
    WriteFileBytes(HostPath((dir_ + "/Maildir/new/" + file).c_str()), message);
  }

 private:
  static bool HasPort(void* self) {
    Dovecot* d = (Dovecot*)self;
    d->port_ = atoi(ReadFileBytes(HostPath((d->dir_ + "/port").c_str())).c_str());
    return d->port_ > 0;
  }
  static bool Removed(void* self) {
    std::string dir = HostPath(((Dovecot*)self)->dir_.c_str());
    return GetFileAttributesA(dir.c_str()) == INVALID_FILE_ATTRIBUTES;
  }
  std::string dir_;
  int port_ = 0;
};

typedef std::vector<std::vector<std::string>> Rows;

const char kNotice[] = "メールが届いています…";
const char kRemoved[] = "STLSが消えました（途中で消されたか、サーバーの変更）";

// The menu's check, as a user would start it: the rows of its notice,
// which is then closed.
Rows CheckFromTheMenu(const ClockProcess& clock) {
  PostMessageA(clock.Window(), WM_COMMAND, IDM_CHECK_MAIL, 0);
  HWND notice = WaitForCaption(clock.Id(), kNotice, 60000);
  if (!notice) return Rows();
  Rows rows = ListViewRows(GetDlgItem(notice, IDC_MAIL_LIST), 2);
  PostMessageA(notice, WM_COMMAND, IDOK, 0);
  PumpUntil(WindowGone, notice, 10000);
  return rows;
}

HWND OpenMailSettings(const ClockProcess& clock) {
  PostMessageA(clock.Window(), WM_COMMAND, IDM_MAIL_SETTINGS, 0);
  return WaitForCaption(clock.Id(), "メールチェックの設定", 10000);
}

bool Ticked(HWND dialog, int box) {
  return SendMessageA(GetDlgItem(dialog, box), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Click(HWND dialog, int button) { SendMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0); }

bool Closed(HWND dialog, int button) {
  PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
  return PumpUntil(WindowGone, dialog, 5000);
}

std::string Message(int bodyBytes) {
  return "From: hanako@example.jp\r\nSubject: test\r\n\r\n" + std::string(bodyBytes - 2, 'x') + "\r\n";
}

TEST(MailPop3, MenuCommandChecksARealServerIntoTheNotice) {
  Dovecot server;
  ASSERT_GT(server.Port(), 0) << "Dovecot did not start";
  // 3 messages of 1000, 1100 and 1200 octets: 3300 in all, 3 whole kilobytes.
  std::string messages[] = {Message(1000 - 42), Message(1100 - 42), Message(1200 - 42)};
  ASSERT_EQ(1000u, messages[0].size());
  for (int i = 0; i < 3; i++) server.Deliver(std::to_string(i + 1).c_str(), messages[i]);

  TempDataFolder folder;
  folder.InstallClock();
  folder.WriteIni("[MAIL]\r\nCHECK_LAN=1\r\n");
  std::string address = "127.0.0.1:" + std::to_string(server.Port());
  folder.WriteDataFile("ZENTICK.mld", AccountFileLine("自宅", address, "taro", "secret") +
                                          AccountFileLine("会社", address, "taro", "wrong"));
  ClockProcess clock;
  ASSERT_TRUE(clock.Start(folder.ExePath()));
  PostMessageA(clock.Window(), WM_COMMAND, IDM_CHECK_MAIL, 0);
  HWND notice = WaitForCaption(clock.Id(), kNotice, 60000);
  ASSERT_NE(nullptr, notice);
  Rows expected = {{"自宅", "3通（3KB）（暗号化なし）"}, {"会社", "認証エラー"}};
  EXPECT_EQ(expected, ListViewRows(GetDlgItem(notice, IDC_MAIL_LIST), 2));
  EXPECT_EQ(clock.Window(), GetWindow(notice, GW_OWNER));
  PostMessageA(notice, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(PumpUntil(WindowGone, notice, 10000));
}

int Occurrences(const std::string& text, const char* what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) n++;
  return n;
}

std::string LineWith(const std::string& text, const char* what) {
  size_t at = text.find(what);
  if (at == std::string::npos) return "";
  size_t start = text.rfind('\n', at);
  start = start == std::string::npos ? 0 : start + 1;
  return text.substr(start, text.find('\n', at) - start);
}

// One account per server of tools/pop3/test_ca.sh, in STLS and from the
// first byte by turns; each refused certificate must end the connection
// before the user name is sent.
TEST(MailPop3, TlsServersFillTheNoticeAndCertificateFaultsSendNoPassword) {
  Dovecot server(true);
  ASSERT_GT(server.Port(), 0) << "Dovecot did not start";
  server.Deliver("1", Message(1000));
  server.Deliver("2", Message(1100));
  struct Case {
    const char* name;
    const char* address;
    bool implicit;
    const char* result;
  };
  const char* untrusted = "証明書エラー（信頼されていない発行元）";
  const char* expired = "証明書エラー（有効期限切れ）";
  const Case cases[] = {
      {"最初から", "127.0.0.2", true, "2通（2KB）"},
      {"STLS", "127.0.0.2", false, "2通（2KB）"},
      {"証明書を求める", "127.0.0.10", true, "2通（2KB）"},
      {"自己署名", "127.0.0.4", true, untrusted},
      {"知らない発行元", "127.0.0.5", false, untrusted},
      {"中間だけ", "127.0.0.6", true, untrusted},
      {"日付切れ", "127.0.0.7", false, expired},
      {"日付前", "127.0.0.8", true, expired},
      {"クライアント用", "127.0.0.9", false, "証明書エラー"},
      {"他名", "127.0.0.3", false, "証明書エラー（サーバー名の不一致）"}};
  std::string stls = std::to_string(server.Port()), implicit = std::to_string(server.TlsPort());
  std::string accounts;
  std::vector<std::vector<std::string>> expected;
  for (const Case& c : cases) {
    std::string address = c.implicit ? "pop3s://" + std::string(c.address) + ":" + implicit
                                     : std::string(c.address) + ":" + stls;
    accounts += AccountFileLine(c.name, address, "taro", "secret");
    expected.push_back({c.name, c.result});
  }

  TempDataFolder folder;
  folder.InstallClock();
  folder.WriteIni("[MAIL]\r\nCHECK_LAN=1\r\nTLS_REQUIRED=1\r\n");
  folder.WriteDataFile("ZENTICK.mld", accounts);
  ClockProcess clock;
  ASSERT_TRUE(clock.Start(folder.ExePath()));
  PostMessageA(clock.Window(), WM_COMMAND, IDM_CHECK_MAIL, 0);
  HWND notice = WaitForCaption(clock.Id(), kNotice, 120000);
  ASSERT_NE(nullptr, notice);
  EXPECT_EQ(expected, ListViewRows(GetDlgItem(notice, IDC_MAIL_LIST), 2));
  PostMessageA(notice, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(PumpUntil(WindowGone, notice, 10000));
  // Plain logins are refused here, so three logins went through TLS; the
  // refused servers' connections ended before any.
  std::string log = server.Log();
  EXPECT_EQ(3, Occurrences(log, "Login: user=<taro>")) << log;
  for (const Case& c : cases) {
    if (c.result[0] != '2') {
      std::string line = LineWith(log, ("lip=" + std::string(c.address) + ",").c_str());
      EXPECT_NE(std::string::npos, line.find("no auth attempts")) << c.name << "\n" << log;
    }
  }
}

bool Disabled(void* window) { return !IsWindowEnabled((HWND)window); }

// A server that spoke TLS through STLS at the first check and no longer
// offers it at the second gets neither user name nor password, until the
// user, told why, has the clock forget it in the account editor; the check
// then runs in clear and the row says so.
TEST(MailPop3, ServerThatDroppedSTLSGetsNoPasswordUntilTheUserForgetsIt) {
  Dovecot server(true);
  ASSERT_GT(server.Port(), 0) << "Dovecot did not start";
  server.Deliver("1", Message(1000));
  server.Deliver("2", Message(1100));
  TempDataFolder folder;
  folder.InstallClock();
  folder.WriteIni("[MAIL]\r\nCHECK_LAN=1\r\n");  // TLS not required
  std::string address = "127.0.0.2:" + std::to_string(server.Port());
  folder.WriteDataFile("ZENTICK.mld", AccountFileLine("会社", address, "taro", "secret"));
  ClockProcess clock;
  ASSERT_TRUE(clock.Start(folder.ExePath()));
  Rows expected = {{"会社", "2通（2KB）"}};
  EXPECT_EQ(expected, CheckFromTheMenu(clock));
  EXPECT_EQ(address + "\n", folder.ReadDataFile("ZENTICK.tls"));

  server.RestartInClear();
  ASSERT_GT(server.Port(), 0) << "Dovecot did not restart";
  expected = {{"会社", kRemoved}};
  EXPECT_EQ(expected, CheckFromTheMenu(clock));
  EXPECT_EQ(1, Occurrences(server.Log(), "Login: user=<taro>")) << server.Log();

  HWND settings = OpenMailSettings(clock);
  ASSERT_NE(nullptr, settings);
  SelectListViewRow(GetDlgItem(settings, IDC_MAIL_LIST), 0);
  PostMessageA(GetDlgItem(settings, IDC_MAIL_EDIT), BM_CLICK, 0, 0);
  HWND edit = WaitForCaption(clock.Id(), "メールアカウントの登録、編集", 10000);
  ASSERT_NE(nullptr, edit);
  HWND forget = GetDlgItem(edit, IDC_ACCOUNT_FORGET_TLS);
  ASSERT_TRUE(IsWindowEnabled(forget));
  PostMessageA(forget, BM_CLICK, 0, 0);
  HWND why = WaitForCaption(clock.Id(), "TLSの記憶", 5000);
  ASSERT_NE(nullptr, why);
  EXPECT_NE(std::string::npos, MessageBoxText(why).find("（" + address + "）"));
  PostMessageA(why, WM_COMMAND, IDYES, 0);
  EXPECT_TRUE(PumpUntil(Disabled, forget, 5000));
  EXPECT_TRUE(Closed(edit, IDCANCEL));
  EXPECT_TRUE(Closed(settings, IDOK));
  expected = {{"会社", "2通（2KB）（暗号化なし）"}};
  EXPECT_EQ(expected, CheckFromTheMenu(clock));
  EXPECT_EQ(2, Occurrences(server.Log(), "Login: user=<taro>")) << server.Log();
}

// Replies someone on the way could forge, checked on a new data folder
// (TLS required from the start) and again after the user unticks
// 「暗号化（TLS）を必須にする」: once STLS was offered, or the server spoke
// TLS before, neither user name nor password goes out; a mailbox counted
// in clear says so.
TEST(MailTrust, ForgedSTLSRepliesGetNoPasswordAndACountInClearIsMarked) {
  const char offered[] = "+OK\r\nSTLS\r\nUSER\r\n.\r\n", notOffered[] = "+OK\r\nUSER\r\n.\r\n";
  ScriptedPop3Server refused(
      ScriptedPop3Server::Dialogue("+OK\r\n", "-ERR not now\r\n", "+OK\r\n", "+OK 1 1\r\n"), offered);
  ScriptedPop3Server garbled({{Pop3Step::SEND, "+OK\r\n", 0}, {Pop3Step::READ_LINE, "", 0},
                              {Pop3Step::SEND, "+OK begin TLS\r\n", 0},
                              {Pop3Step::SEND, "+OK no TLS record\r\n", 0}},
                             offered);
  ScriptedPop3Server stripped(
      ScriptedPop3Server::Dialogue("+OK\r\n", "+OK\r\n", "+OK\r\n", "+OK 1 1\r\n"), notOffered);
  ScriptedPop3Server plain(
      ScriptedPop3Server::Dialogue("+OK\r\n", "+OK\r\n", "+OK\r\n", "+OK 2 2048\r\n"), notOffered);
  struct Case {
    const char* name;
    ScriptedPop3Server* server;
    const char* required;  // the row while TLS is required
    const char* unticked;  // and after the box was unticked
  };
  const Case cases[] = {
      {"refused", &refused, "STLSが拒否されました", "STLSが拒否されました"},
      {"garbled", &garbled, "TLS接続に失敗", "TLS接続に失敗"},
      {"stripped", &stripped, kRemoved, kRemoved},
      {"plain", &plain, "サーバーがTLSに対応していません", "2通（2KB）（暗号化なし）"}};
  TempDataFolder folder;
  folder.InstallClock();
  DeleteFileA(folder.IniPath().c_str());  // a new user's data folder
  std::string accounts;
  for (const Case& c : cases) accounts += AccountFileLine(c.name, c.server->Address(), "taro", "pw");
  folder.WriteDataFile("ZENTICK.mld", accounts);
  // An earlier check spoke TLS with this one.
  folder.WriteDataFile("ZENTICK.tls", stripped.Address() + "\n");
  ClockProcess clock;
  ASSERT_TRUE(clock.Start(folder.ExePath()));

  HWND settings = OpenMailSettings(clock);
  ASSERT_NE(nullptr, settings);
  EXPECT_TRUE(Ticked(settings, IDC_MAIL_TLS_REQUIRED));
  Click(settings, IDC_MAIL_LAN);
  ASSERT_TRUE(Closed(settings, IDOK));
  Rows required = CheckFromTheMenu(clock);
  settings = OpenMailSettings(clock);
  ASSERT_NE(nullptr, settings);
  Click(settings, IDC_MAIL_TLS_REQUIRED);
  ASSERT_TRUE(Closed(settings, IDOK));
  Rows unticked = CheckFromTheMenu(clock);

  ASSERT_EQ(4u, required.size());
  ASSERT_EQ(4u, unticked.size());
  for (size_t i = 0; i < 4; i++) {
    const Case& c = cases[i];
    EXPECT_EQ(c.required, required[i][1]) << c.name;
    EXPECT_EQ(c.unticked, unticked[i][1]) << c.name;
    if (c.server != &plain) {
      EXPECT_EQ(std::string::npos, c.server->Received().find("USER")) << c.name;
    }
  }
  EXPECT_EQ("CAPA\r\nCAPA\r\nUSER taro\r\nPASS pw\r\nSTAT\r\nQUIT\r\n", plain.Received());
}

}  // namespace
