// The real clock checking a real POP3 server: Dovecot, started for the
// test on a loopback port with a mailbox the test fills.
#include <gtest/gtest.h>

#include "pop3_server.h"
#include "win_support.h"
#include "res/resource.h"

namespace {

// Starts the server script on the Linux side; it is not waited for.
bool RunDovecotScript(const char* command, const std::string& unixDir) {
  std::string line = std::string("start.exe /wait /unix ") + ZT_SOURCE_DIR +
                     "/tools/pop3/dovecot.sh " + command + " " + unixDir;
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
  Dovecot() {
    char name[64];
    snprintf(name, sizeof name, "/pop3-%lu", GetCurrentProcessId());
    dir_ = std::string(ZT_BUILD_DIR) + name;
    RunDovecotScript("start", dir_);
    PumpUntil(HasPort, this, 30000);
  }
  ~Dovecot() {
    RunDovecotScript("stop", dir_);
    PumpUntil(Removed, this, 15000);
  }
  int Port() const { return port_; }
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
  EXPECT_EQ(expected, ListViewRows(GetDlgItem(notice, 1000), 2));
  EXPECT_EQ(clock.Window(), GetWindow(notice, GW_OWNER));
  PostMessageA(notice, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(PumpUntil(WindowGone, notice, 10000));
}

}  // namespace
