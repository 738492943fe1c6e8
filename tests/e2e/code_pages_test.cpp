// The clock's texts read the same whatever the system's code page: every
// dialog's controls as their templates hold them, the list headers and
// rows, the message boxes, the tray tip; a typed character that 932 lacks is
// refused by name; and the clock starts from folders named in any script.
// These tests run under a Japanese and under a Western locale (code pages
// 932 and 1252), and each on the program and on a copy of it that asks
// for code page 65001, as Windows' UTF-8 option gives every program.
// Texts are read as UTF-16 and compared in 932.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pop3_server.h"
#include "win_support.h"
#include "res/resource.h"
#include "skins/skin_format.h"

namespace {

// The copy asking for code page 65001. The program itself never does.
std::string Utf8CodePageCopy(const TempDataFolder& folder) {
  std::string copy = folder.Root() + "ZentickUtf8.exe";
  CopyFileA(folder.ExePath().c_str(), copy.c_str(), FALSE);
  HMODULE program = LoadLibraryExA(copy.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
  HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(1), RT_MANIFEST);
  std::string manifest((const char*)LockResource(LoadResource(program, found)),
                       SizeofResource(program, found));
  FreeLibrary(program);
  size_t settings = manifest.find("</asmv3:windowsSettings>");
  EXPECT_NE(std::string::npos, settings);
  manifest.insert(settings,
                  "<activeCodePage xmlns=\"http://schemas.microsoft.com/SMI/2019/"
                  "WindowsSettings\">UTF-8</activeCodePage>");
  HANDLE update = BeginUpdateResourceA(copy.c_str(), FALSE);
  EXPECT_TRUE(UpdateResourceA(update, RT_MANIFEST, MAKEINTRESOURCEA(1),
                              MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), &manifest[0],
                              (DWORD)manifest.size()));
  EXPECT_TRUE(EndUpdateResourceA(update, FALSE));
  return copy;
}

// A text of a template: a string, or an ordinal (no text) or nothing.
const WORD* TakeText(const WORD* at, std::string* text) {
  if (*at == 0xFFFF) return at + 2;
  if (text) *text = Cp932((const wchar_t*)at);
  return at + wcslen((const wchar_t*)at) + 1;
}

// The caption and each control's text of a dialog template, from this
// program's resources, which are the clock's own.
struct DialogTexts {
  std::string caption;
  std::vector<std::string> controls;
};

DialogTexts TemplateTexts(int id) {
  HRSRC found = FindResourceA(NULL, MAKEINTRESOURCEA(id), RT_DIALOG);
  const WORD* at = (const WORD*)LockResource(LoadResource(NULL, found));
  int count = at[8];  // DLGTEMPLATEEX: version, signature, help id, styles, count, place
  at = TakeText(TakeText(at + 13, nullptr), nullptr);  // menu, class
  DialogTexts texts;
  at = TakeText(at, &texts.caption);
  at = TakeText(at + 3, nullptr);  // the font: size, weight, italic and set, face
  for (int i = 0; i < count; i++) {
    at = (const WORD*)(((UINT_PTR)at + 3) & ~(UINT_PTR)3);
    std::string text;
    at = TakeText(TakeText(at + 12, nullptr), &text);  // help id to id, class, text
    texts.controls.push_back(text);
    at = (const WORD*)((const BYTE*)(at + 1) + *at);  // creation data
  }
  return texts;
}

// Every text a dialog shows of its template, as the template has it.
void ExpectTemplateTexts(HWND dialog, int id) {
  DialogTexts texts = TemplateTexts(id);
  EXPECT_EQ(texts.caption, WindowText(dialog));
  std::vector<HWND> controls;
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) controls.push_back(c);
  ASSERT_EQ(texts.controls.size(), controls.size()) << texts.caption;
  for (size_t i = 0; i < controls.size(); i++) {
    if (texts.controls[i].empty()) continue;
    EXPECT_EQ(texts.controls[i], ControlText(controls[i])) << texts.caption << ", control " << i;
  }
}

struct Clock {
  ClockProcess process;
  HWND Open(int command, int dialog) {
    PostMessageA(process.Window(), WM_COMMAND, command, 0);
    return WaitForCaption(process.Id(), TemplateTexts(dialog).caption.c_str(), 10000);
  }
  HWND Box(const char* caption) { return WaitForCaption(process.Id(), caption, 10000); }
};

void Press(HWND dialog, int button) {
  PostMessageA(dialog, WM_COMMAND, button, 0);
  PumpUntil(WindowGone, dialog, 5000);
}

void CheckMailTexts(Clock* clock, const TempDataFolder& folder, const std::string& server) {
  // By hand with no connection allowed: the message says why.
  PostMessageA(clock->process.Window(), WM_COMMAND, IDM_CHECK_MAIL, 0);
  HWND box = clock->Box("メールチェック");
  ASSERT_NE(nullptr, box);
  EXPECT_EQ(0u, MessageBoxText(box).find("「LAN接続（常にチェックする）」がオフで"));
  Press(box, IDOK);

  HWND settings = clock->Open(IDM_MAIL_SETTINGS, IDD_MAIL_SETTINGS);
  ASSERT_NE(nullptr, settings);
  ExpectTemplateTexts(settings, IDD_MAIL_SETTINGS);
  HWND list = GetDlgItem(settings, IDC_MAIL_LIST);
  EXPECT_EQ((std::vector<std::string>{"アカウント", "サーバアドレス"}), ListViewColumns(list, 2));
  EXPECT_EQ((std::vector<std::vector<std::string>>{{"自宅", server}}), ListViewRows(list, 2));

  // A name with a character 932 lacks is refused by name; nothing is stored.
  PostMessageA(GetDlgItem(settings, IDC_MAIL_NEW), BM_CLICK, 0, 0);
  HWND edit = clock->Box(TemplateTexts(IDD_ACCOUNT_EDIT).caption.c_str());
  ASSERT_NE(nullptr, edit);
  ExpectTemplateTexts(edit, IDD_ACCOUNT_EDIT);
  TypeText(GetDlgItem(edit, IDC_ACCOUNT_NAME), L"H\u00E9l\u00E8ne");
  TypeText(GetDlgItem(edit, IDC_ACCOUNT_SERVER), L"pop.example.jp");
  TypeText(GetDlgItem(edit, IDC_ACCOUNT_USER), L"helene");
  TypeText(GetDlgItem(edit, IDC_ACCOUNT_PASSWORD), L"pw");
  PostMessageA(GetDlgItem(edit, IDOK), BM_CLICK, 0, 0);
  box = clock->Box("エラー");
  ASSERT_NE(nullptr, box);
  wchar_t refused[256] = L"";
  GetDlgItemTextW(box, 0xFFFF, refused, 256);
  EXPECT_EQ(L'\u00E9', refused[1]);
  EXPECT_EQ("「?」（U+00E9）は保存できない文字です。\n別の文字に置き換えてください。",
            Cp932(refused));  // é has no 932 form
  Press(box, IDOK);
  Press(edit, IDCANCEL);
  EXPECT_EQ(AccountFileLine("自宅", server, "taro", "pw"), folder.ReadDataFile("ZENTICK.mld"));

  // The sound file chooser's title.
  PostMessageA(GetDlgItem(settings, IDC_MAIL_SOUNDFILE), BM_CLICK, 0, 0);
  HWND chooser = clock->Box("WAVEファイルの選択…");
  ASSERT_NE(nullptr, chooser);
  Press(chooser, IDCANCEL);

  // With the LAN allowed, the arrival notice.
  PostMessageA(GetDlgItem(settings, IDC_MAIL_LAN), BM_CLICK, 0, 0);
  Press(settings, IDOK);
  HWND notice = clock->Open(IDM_CHECK_MAIL, IDD_MAIL_ARRIVAL);
  ASSERT_NE(nullptr, notice);
  ExpectTemplateTexts(notice, IDD_MAIL_ARRIVAL);
  list = GetDlgItem(notice, IDC_MAIL_LIST);
  EXPECT_EQ((std::vector<std::string>{"アカウント", "着信"}), ListViewColumns(list, 2));
  EXPECT_EQ((std::vector<std::vector<std::string>>{{"自宅", "2通（2KB）（暗号化なし）"}}),
            ListViewRows(list, 2));
  Press(notice, IDOK);
}

TEST(CodePages, MailTextsReadAsWrittenOnEveryCodePage) {
  TempDataFolder folder;
  folder.InstallClock();
  ScriptedPop3Server server(
      ScriptedPop3Server::Dialogue("+OK\r\n", "+OK\r\n", "+OK\r\n", "+OK 2 2048\r\n"));
  folder.WriteDataFile("ZENTICK.mld", AccountFileLine("自宅", server.Address(), "taro", "pw"));
  for (const std::string& program : {folder.ExePath(), Utf8CodePageCopy(folder)}) {
    SCOPED_TRACE(program);
    folder.WriteIni("");
    Clock clock;
    ASSERT_TRUE(clock.process.Start(program));
    CheckMailTexts(&clock, folder, server.Address());
  }
}

// The title and author a skin file holds, as the list should show them.
std::vector<std::string> SkinRowOf(const TempDataFolder& folder, const std::string& name) {
  std::string file = folder.ReadDataFile(name.c_str());
  SkinRow row;
  SetSkinRowDefaults(&row, name.c_str());
  ParseSkinTextsOfFile((const unsigned char*)file.data(), file.size(), &row);
  return {row.title, row.author, name};
}

bool TipShown(void*) {
  for (const std::string& tip : ToolTipTexts())
    if (tip == "Zentick") return true;
  return false;
}

void CheckSkinEventAndTrayTexts(Clock* clock, const TempDataFolder& folder) {
  HWND background = clock->Open(IDM_BACKGROUND, IDD_BACKGROUND);
  ASSERT_NE(nullptr, background);
  ExpectTemplateTexts(background, IDD_BACKGROUND);
  HWND skins = GetDlgItem(background, IDC_SKIN_LIST);
  EXPECT_EQ((std::vector<std::string>{"タイトル", "著作情報", "ファイル名"}),
            ListViewColumns(skins, 3));
  std::vector<std::vector<std::string>> rows = ListViewRows(skins, 3);
  EXPECT_EQ(3u, rows.size());
  for (const auto& row : rows) EXPECT_EQ(SkinRowOf(folder, row[2]), row);
  Press(background, IDCANCEL);

  HWND wallpaper = clock->Open(IDM_WALLPAPER, IDD_WALLPAPER);
  ASSERT_NE(nullptr, wallpaper);
  ExpectTemplateTexts(wallpaper, IDD_WALLPAPER);
  // Wine says Windows 7: fit and fill follow the three every system has.
  EXPECT_EQ((std::vector<std::string>{"中央に表示", "並べて表示", "拡大", "画面のサイズに合わせる",
                                      "ページ幅に合わせる"}),
            ComboBoxEntries(GetDlgItem(wallpaper, IDC_STYLE)));
  EXPECT_EQ(std::vector<std::string>{"無し"},
            ListBoxEntries(GetDlgItem(wallpaper, IDC_WALLPAPER_LIST)));
  Press(wallpaper, IDCANCEL);

  HWND events = clock->Open(IDM_EVENTS, IDD_EVENT);
  ASSERT_NE(nullptr, events);
  ExpectTemplateTexts(events, IDD_EVENT);
  EXPECT_EQ((std::vector<std::string>{"日時", "内容"}),
            ListViewColumns(GetDlgItem(events, IDC_EVENT_LIST), 2));
  std::vector<std::string> actions = ComboBoxEntries(GetDlgItem(events, IDC_EVENT_ACTION));
  ASSERT_EQ(5u, actions.size());
  EXPECT_EQ("ファイルの実行(オープン)", actions[0]);
  EXPECT_EQ("OSのシャットダウン(強制)", actions[4]);
  Press(events, IDCANCEL);

  // The notification-area icon's tip, as the shell holds it.
  PostMessageA(clock->process.Window(), WM_COMMAND, IDM_RESIDENT, 0);
  EXPECT_TRUE(WaitUntil(TipShown, nullptr, 5000));
}

TEST(CodePages, SkinEventAndTrayTextsReadAsWrittenOnEveryCodePage) {
  TempDataFolder folder;
  folder.InstallClock();
  for (const std::string& program : {folder.ExePath(), Utf8CodePageCopy(folder)}) {
    SCOPED_TRACE(program);
    folder.WriteIni("");  // not resident
    Clock clock;
    ASSERT_TRUE(clock.process.Start(program));
    CheckSkinEventAndTrayTexts(&clock, folder);
  }
}

// Folder names of characters 1252 has and 932 lacks, of 932 and not 1252,
// and of both with Korean and an emoji, which neither has (UTF-8).
const char* const kFolderNames[] = {
    u8"Uhr" "\xC3\xA9",
    u8"時計",
    u8"H" "\xC3\xA9" "l" "\xC3\xA8" "ne " u8"時計 " "\xEC\x8B\x9C\xEA\xB3\x84\xF0\x9F\x98\x80",
};

// Starts the program, which is to show the skin its settings name, and
// toggles the chime; gives the skin shown (empty when it could not be read).
// A name 932 holds comes in a settings file of 932, an older version's.
std::wstring StartWithSkin(const std::wstring& program, const std::wstring& data,
                           const std::wstring& skin) {
  std::wstring ini = data + L"Zentick.ini";
  std::wstring text = L"[IMAGE]\r\nFILE=" + skin + L"\r\nLAST_NUM=0\r\n";
  std::string bytes = Cp932(text.c_str());
  if (Wide(bytes) != text) {
    text = L"\xFEFF" + text;
    bytes.assign((const char*)text.data(), text.size() * sizeof(wchar_t));
  }
  EXPECT_TRUE(WriteFileBytes(ini, bytes));
  ClockProcess clock;
  EXPECT_TRUE(clock.Start(program));
  SendMessageA(clock.Window(), WM_COMMAND, IDM_CHIME, 0);
  clock.Close();
  EXPECT_EQ(1u, GetPrivateProfileIntW(L"EXT", L"SOUND", 0, ini.c_str()));
  wchar_t shown[MAX_PATH] = L"";
  GetPrivateProfileStringW(L"IMAGE", L"FILE", L"", shown, MAX_PATH, ini.c_str());
  return shown;
}

TEST(CodePages, ClockStartsFromFoldersNamedInAnyScriptAndReadsItsSkin) {
  TempDataFolder temp;
  temp.InstallClock();
  std::wstring root = Wide(temp.Root()), source = Wide(temp.DataDir());
  std::wstring utf8Copy = Wide(Utf8CodePageCopy(temp));
  for (const char* name : kFolderNames) {
    std::wstring folder = root + WideOfUtf8(name) + L"\\", data = folder + L"data\\";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), NULL));
    ASSERT_TRUE(CreateDirectoryW(data.c_str(), NULL));
    // The one skin is named like its folder.
    std::wstring skin = WideOfUtf8(name) + L".qkb";
    ASSERT_TRUE(CopyFileW((source + L"porcelain.qkb").c_str(), (data + skin).c_str(), FALSE));
    ASSERT_TRUE(CopyFileW((source + L"ZENTICK.rgn").c_str(), (data + L"ZENTICK.rgn").c_str(), FALSE));
    std::vector<std::wstring> programs = {folder + L"Zentick.exe", folder + L"ZentickUtf8.exe"};
    ASSERT_TRUE(CopyFileW(Wide(temp.ExePath()).c_str(), programs[0].c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(utf8Copy.c_str(), programs[1].c_str(), FALSE));
    for (const std::wstring& program : programs) EXPECT_EQ(skin, StartWithSkin(program, data, skin));
  }
}

}  // namespace
