// The real clock checking a real POP3 server: Dovecot, started for the
// test on a loopback port with a mailbox the test fills, in clear or with
// TLS under the run's own test authority.
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
  HWND notice = WaitForCaption(clock.Id(), "メールが届いています…", 60000);
  ASSERT_NE(nullptr, notice);
  std::vector<std::vector<std::string>> expected = {{"自宅", "3通（3KB）"}, {"会社", "認証エラー"}};
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
  HWND notice = WaitForCaption(clock.Id(), "メールが届いています…", 120000);
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

}  // namespace
