// The mail dialogs of the real clock, driven as a user would: accounts
// added, edited and deleted, the validation messages, the check settings.
#include <gtest/gtest.h>

#include "pop3_server.h"
#include "win_support.h"
#include "res/resource.h"

namespace {

const char kSettings[] = "メールチェックの設定";
const char kEdit[] = "メールアカウントの登録、編集";

struct MailDialogs {
  TempDataFolder folder;
  ClockProcess clock;
  HWND settings = NULL;

  bool Start() {
    folder.InstallClock();
    return clock.Start(folder.ExePath());
  }
  HWND Wait(const char* caption) { return WaitForCaption(clock.Id(), caption, 10000); }
  bool OpenSettings() {
    PostMessageA(clock.Window(), WM_COMMAND, IDM_MAIL_SETTINGS, 0);
    settings = Wait(kSettings);
    return settings != NULL;
  }
  HWND OpenEdit(int button) {
    PostMessageA(GetDlgItem(settings, button), BM_CLICK, 0, 0);
    return Wait(kEdit);
  }
  std::vector<std::vector<std::string>> Rows() const { return ListViewRows(GetDlgItem(settings, IDC_MAIL_LIST), 2); }
  std::string File() const { return folder.ReadDataFile("ZENTICK.mld"); }
};

void Type(HWND dialog, int id, const char* text) { TypeText(GetDlgItem(dialog, id), Wide(text)); }

void Fill(HWND edit, const char* name, const char* server, const char* user, const char* pass) {
  Type(edit, IDC_ACCOUNT_NAME, name);
  Type(edit, IDC_ACCOUNT_SERVER, server);
  Type(edit, IDC_ACCOUNT_USER, user);
  Type(edit, IDC_ACCOUNT_PASSWORD, pass);
}

// Presses OK and gives the message box that came up ("" if the dialog closed).
std::string PressOk(MailDialogs* m, HWND dialog, const char* boxCaption, HWND* owner = nullptr) {
  PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  HWND box = WaitForCaption(m->clock.Id(), boxCaption, 3000);
  if (!box) return PumpUntil(WindowGone, dialog, 5000) ? "" : "<still open>";
  std::string text = MessageBoxText(box);
  if (owner) *owner = GetWindow(box, GW_OWNER);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  PumpUntil(WindowGone, box, 5000);
  return text;
}

TEST(MailDialogs, ValidationMessagesInTheirOrderAndNothingStoredUntilValid) {
  MailDialogs m;
  ASSERT_TRUE(m.Start());
  ASSERT_TRUE(m.OpenSettings());
  HWND edit = m.OpenEdit(IDC_MAIL_NEW);
  ASSERT_NE(nullptr, edit);
  // Untouched: closes without a message and without a file.
  EXPECT_EQ("", PressOk(&m, edit, "WORNING"));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((m.folder.DataDir() + "ZENTICK.mld").c_str()));

  edit = m.OpenEdit(IDC_MAIL_NEW);
  ASSERT_NE(nullptr, edit);
  Fill(edit, "", "pop.example.jp", "taro", "pw");
  EXPECT_EQ("登録名がありません", PressOk(&m, edit, "WORNING"));
  Fill(edit, "a,b", "", "taro", "pw");  // the empty field wins over the comma
  EXPECT_EQ("サーバーアドレスがありません", PressOk(&m, edit, "WORNING"));
  Fill(edit, "a,b", "s", "", "pw");
  EXPECT_EQ("ユーザー名がありません", PressOk(&m, edit, "WORNING"));
  Fill(edit, "a", "s", "u", "");
  EXPECT_EQ("パスワードがありません", PressOk(&m, edit, "WORNING"));
  HWND owner = NULL;
  Fill(edit, "a", "s", "u", "p,w");
  EXPECT_EQ("使用できない記号が含まれています", PressOk(&m, edit, "エラー", &owner));
  EXPECT_EQ(m.clock.Window(), owner);
  Fill(edit, "ﾊﾟｿｺﾝ", "s", "u", "pw");  // ﾊ would be stored as a line feed
  EXPECT_EQ("使用できない記号が含まれています", PressOk(&m, edit, "エラー"));
  EXPECT_TRUE(IsWindow(edit));
  EXPECT_EQ("", m.File());

  // A file that cannot be written is named, and what was typed stays.
  std::string blocker = m.folder.DataDir() + "ZENTICK.mld.tmp";
  ASSERT_TRUE(CreateDirectoryA(blocker.c_str(), NULL));
  Fill(edit, "自宅", "127.0.0.1:1110", "taro", "pw");
  EXPECT_EQ("アカウントファイルに書き込めませんでした", PressOk(&m, edit, "エラー"));
  EXPECT_EQ("127.0.0.1:1110", ControlText(GetDlgItem(edit, IDC_ACCOUNT_SERVER)));
  RemoveDirectoryA(blocker.c_str());
  EXPECT_EQ("", PressOk(&m, edit, "WORNING"));
  EXPECT_EQ(AccountFileLine("自宅", "127.0.0.1:1110", "taro", "pw"), m.File());
  std::vector<std::vector<std::string>> rows = {{"自宅", "127.0.0.1:1110"}};
  EXPECT_EQ(rows, m.Rows());
}

TEST(MailDialogs, EditAndDeleteKeepTheOtherLinesAndCancelStillSaves) {
  MailDialogs m;
  ASSERT_TRUE(m.Start());
  std::string first = AccountFileLine("one", "pop1.example.jp", "u1", "p1");
  std::string odd = "\xAE\xAE\xAE,,\n";  // hand-edited: fewer fields, kept as it is
  std::string third = AccountFileLine("three", "pop3.example.jp", "u3", "p3");
  m.folder.WriteDataFile("ZENTICK.mld", first + odd + third);
  ASSERT_TRUE(m.OpenSettings());
  ASSERT_EQ(3u, m.Rows().size());
  EXPECT_EQ("nnn", m.Rows()[1][0]);

  // With no row selected, edit does nothing.
  PostMessageA(GetDlgItem(m.settings, IDC_MAIL_EDIT), BM_CLICK, 0, 0);
  EXPECT_EQ(NULL, WaitForCaption(m.clock.Id(), kEdit, 1000));

  SelectListViewRow(GetDlgItem(m.settings, IDC_MAIL_LIST), 2);
  HWND edit = m.OpenEdit(IDC_MAIL_EDIT);
  ASSERT_NE(nullptr, edit);
  EXPECT_EQ("pop3.example.jp", ControlText(GetDlgItem(edit, IDC_ACCOUNT_SERVER)));
  EXPECT_EQ("p3", ControlText(GetDlgItem(edit, IDC_ACCOUNT_PASSWORD)));
  EXPECT_TRUE(GetWindowLongA(GetDlgItem(edit, IDC_ACCOUNT_PASSWORD), GWL_STYLE) & ES_PASSWORD);
  EXPECT_EQ("", PressOk(&m, edit, "WORNING"));  // unchanged: nothing written
  EXPECT_EQ(first + odd + third, m.File());

  SelectListViewRow(GetDlgItem(m.settings, IDC_MAIL_LIST), 2);
  edit = m.OpenEdit(IDC_MAIL_EDIT);
  ASSERT_NE(nullptr, edit);
  Type(edit, IDC_ACCOUNT_SERVER, "pop.example.com");
  EXPECT_EQ("", PressOk(&m, edit, "WORNING"));
  std::string edited = AccountFileLine("three", "pop.example.com", "u3", "p3");
  EXPECT_EQ(first + odd + edited, m.File());
  EXPECT_EQ("pop.example.com", m.Rows()[2][1]);

  SelectListViewRow(GetDlgItem(m.settings, IDC_MAIL_LIST), 0);
  SendMessageA(GetDlgItem(m.settings, IDC_MAIL_DELETE), BM_CLICK, 0, 0);
  EXPECT_EQ(odd + edited, m.File());
  EXPECT_EQ(2u, m.Rows().size());

  // Check settings: interval 0 becomes 1, automatic check off makes it read-only.
  HWND interval = GetDlgItem(m.settings, IDC_MAIL_INTERVAL);
  EXPECT_EQ("30", ControlText(interval));
  Type(m.settings, IDC_MAIL_INTERVAL, "0");
  EXPECT_EQ("1", ControlText(interval));
  EXPECT_TRUE(GetWindowLongA(interval, GWL_STYLE) & ES_READONLY);  // automatic check is off
  SendMessageA(GetDlgItem(m.settings, IDC_MAIL_AUTO), BM_CLICK, 0, 0);
  EXPECT_FALSE(GetWindowLongA(interval, GWL_STYLE) & ES_READONLY);
  Type(m.settings, IDC_MAIL_INTERVAL, "15");
  SendMessageA(GetDlgItem(m.settings, IDC_MAIL_LAN), BM_CLICK, 0, 0);
  SendMessageA(GetDlgItem(m.settings, IDC_MAIL_SOUND), BM_CLICK, 0, 0);
  SendMessageA(GetDlgItem(m.settings, IDC_MAIL_TLS_REQUIRED), BM_CLICK, 0, 0);  // on in a new folder
  // The sound file chooser, cancelled, stores nothing.
  PostMessageA(GetDlgItem(m.settings, IDC_MAIL_SOUNDFILE), BM_CLICK, 0, 0);
  HWND chooser = m.Wait("WAVEファイルの選択…");
  ASSERT_NE(nullptr, chooser);
  PostMessageA(chooser, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(PumpUntil(WindowGone, chooser, 5000));
  EXPECT_EQ("<absent>", m.folder.IniValue("MAIL", "SOUNDFILE"));
  PostMessageA(m.settings, WM_CLOSE, 0, 0);
  ASSERT_TRUE(PumpUntil(WindowGone, m.settings, 5000));
  EXPECT_EQ("1", m.folder.IniValue("MAIL", "ALLOW_CHECK"));
  EXPECT_EQ("15", m.folder.IniValue("MAIL", "CHECK_TIME"));
  EXPECT_EQ("1", m.folder.IniValue("MAIL", "CHECK_LAN"));
  EXPECT_EQ("1", m.folder.IniValue("MAIL", "USE_SOUND"));
  EXPECT_EQ("0", m.folder.IniValue("MAIL", "TLS_REQUIRED"));
  EXPECT_EQ(odd + edited, m.File());  // the delete stands

  ASSERT_TRUE(m.OpenSettings());
  EXPECT_EQ("15", ControlText(GetDlgItem(m.settings, IDC_MAIL_INTERVAL)));
  EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(m.settings, IDC_MAIL_LAN), BM_GETCHECK, 0, 0));
  EXPECT_EQ(BST_UNCHECKED, SendMessageA(GetDlgItem(m.settings, IDC_MAIL_TLS_REQUIRED), BM_GETCHECK, 0, 0));
  SendMessageA(GetDlgItem(m.settings, IDC_MAIL_AUTO), BM_CLICK, 0, 0);
  PostMessageA(GetDlgItem(m.settings, IDCANCEL), BM_CLICK, 0, 0);
  ASSERT_TRUE(PumpUntil(WindowGone, m.settings, 5000));
  EXPECT_EQ("0", m.folder.IniValue("MAIL", "ALLOW_CHECK"));
  ASSERT_TRUE(m.OpenSettings());
  EXPECT_TRUE(GetWindowLongA(GetDlgItem(m.settings, IDC_MAIL_INTERVAL), GWL_STYLE) & ES_READONLY);
}

}  // namespace
