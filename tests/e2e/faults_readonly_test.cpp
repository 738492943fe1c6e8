// The real clock on a data folder that cannot be written (a read-only
// mount made by tests/fault/readonly.sh): one message at start-up says so,
// every later writing operation fails quietly, the clock keeps running and
// no file changes.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "pop3_server.h"
#include "skin_support.h"
#include "win_support.h"
#include "res/resource.h"

namespace {

typedef std::map<std::string, std::string> Files;

Files ReadFolder(const std::string& folder) {
  Files files;
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((folder + "*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return files;
  do
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      files[found.cFileName] = ReadFileBytes(folder + found.cFileName);
  while (FindNextFileA(h, &found));
  FindClose(h);
  return files;
}

bool Writable(const std::string& folder) {
  std::string probe = folder + "probe.tmp";
  HANDLE h = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  DeleteFileA(probe.c_str());
  return true;
}

void Command(HWND w, int id) {
  DWORD_PTR result;
  SendMessageTimeoutA(w, WM_COMMAND, id, 0, SMTO_ABORTIFHUNG, 5000, &result);
}

// Sent, so each key has been handled when it returns.
void Key(HWND w, int key) {
  DWORD_PTR result;
  SendMessageTimeoutA(w, WM_KEYDOWN, key, 0, SMTO_ABORTIFHUNG, 5000, &result);
  SendMessageTimeoutA(w, WM_KEYUP, key, 0, SMTO_ABORTIFHUNG, 5000, &result);
}

void Drag(HWND w, int dx, int dy) {
  RECT r;
  GetWindowRect(w, &r);
  DragWithMouse(r.left + 100, r.top + 60, dx, dy);
}

void PressOk(HWND dialog, void*) { SendMessageA(dialog, WM_COMMAND, IDOK, 0); }

TEST(FaultReadOnly, OneMessageAtStartThenWritesFailQuietlyAndEveryFileIsKept) {
  std::string stage = BuildPath("readonly\\stage") + "\\";
  std::string root = BuildPath("readonly\\clock") + "\\";
  std::string data = root + "data\\";
  ScriptedPop3Server server(ScriptedPop3Server::Dialogue("+OK\r\n", "+OK\r\n", "+OK\r\n",
                                                         "+OK 1 100\r\n"));
  // Made through the writable side of the mount.
  WriteFileBytes(stage + "Zentick.ini",
                 "[IMAGE]\r\nLAST_NUM=0\r\nFILE=night_sakura.qkb\r\n[MAIL]\r\nCHECK_LAN=1\r\n"
                 "[OBJECT]\r\nDESIGN=3\r\n");
  WriteFileBytes(stage + "ZENTICK.mld", AccountFileLine("自宅", server.Address(), "taro", "pw"));
  WriteFileBytes(stage + "ZENTICK.evt", "0,0,3,0,1,毎朝,\n12,24,20,0,1,一度だけ,\n");
  WriteFileBytes(stage + "extra.qkb", SkinFile("追加", "test"));
  ASSERT_FALSE(Writable(data)) << "the data folder must be a read-only mount";
  Files before = ReadFolder(data);
  ASSERT_EQ(8u, before.size());

  ClockProcess clock;
  ASSERT_TRUE(clock.Start(root + "Zentick.exe"));
  HWND w = clock.Window();
  HWND box = WaitForProcessDialog(clock.Id());
  ASSERT_NE(nullptr, box);
  EXPECT_EQ("エラー", WindowText(box));
  EXPECT_EQ("データフォルダー「" + data.substr(0, data.size() - 1) +
                "」に書き込めません。\n設定は保存されません。\nProgram Files の下ではない、"
                "ご自分のフォルダー（ドキュメントなど）に Zentick を置いてください。",
            MessageBoxText(box));
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  PumpFor(500);
  // Flags, hands, information line, colours, z-order, residency.
  const int commands[] = {
      IDM_MOVE_SHOWN,     IDM_MOVE_SHOWN,     IDM_LOCK_POSITION, IDM_LOCK_POSITION,
      IDM_AVOID_CURSOR,   IDM_AVOID_CURSOR,   IDM_CHIME,         IDM_CHIME,
      IDM_NO_SECOND_HAND, IDM_NO_SECOND_HAND, IDM_AUTO_HIDE,     IDM_AUTO_HIDE,
      IDM_BOLD,           IDM_HOLLOW,         IDM_DESIGN_SQUARE, IDM_DESIGN_TRIANGLE,
      IDM_DESIGN_NONE,    IDM_INFO_NONE,      IDM_INFO_TIME,     IDM_INFO_MEMORY_LOAD,
      IDM_INFO_NONE,      IDM_COLOR_RESET,    IDM_ZORDER_NORMAL, IDM_ZORDER_TOP,
      IDM_ZORDER_BOTTOM,  IDM_RESIDENT,       IDM_END_RESIDENT};
  for (int id : commands) Command(w, id);
  for (int key : {VK_PRIOR, VK_NEXT, VK_HOME, VK_END, VK_INSERT}) Key(w, key);
  Drag(w, -60, 40);
  EXPECT_TRUE(RunDialog(w, IDM_BACKGROUND, "背景の設定", PressOk, nullptr));

  Command(w, IDM_CHECK_MAIL);
  HWND notice = WaitForCaption(clock.Id(), "メールが届いています…", 30000);
  ASSERT_NE(nullptr, notice);
  PostMessageA(notice, WM_COMMAND, IDOK, 0);
  PumpFor(1500);

  DWORD_PTR result;
  EXPECT_TRUE(SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result));
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_EQ(nullptr, WaitForProcessDialog(clock.Id(), 300));
  Files after = ReadFolder(data);
  EXPECT_EQ(before.size(), after.size());
  for (const auto& file : before) EXPECT_TRUE(after[file.first] == file.second) << file.first;
  clock.Close();
}

}  // namespace
