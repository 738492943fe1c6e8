// The event dialog of the running clock, opened from its menu command.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "res/resource.h"
#include "win_support.h"

namespace {

TEST(Events, DialogFromTheMenuCommandStoresAMessageEvent) {
  TempDataFolder folder;
  folder.InstallClock();
  folder.WriteDataFile("ZENTICK.evt", "0,0,6,0,1,wake up,\n");
  ClockProcess clock;
  ASSERT_TRUE(clock.Start(folder.ExePath()));
  PostMessageA(clock.Window(), WM_COMMAND, IDM_EVENTS, 0);
  HWND d = WaitForProcessDialog(clock.Id(), 10000);
  ASSERT_NE(nullptr, d);
  EXPECT_EQ("イベントの設定", WindowText(d));
  EXPECT_EQ(1, SendDlgItemMessageA(d, IDC_EVENT_LIST, LVM_GETITEMCOUNT, 0, 0));

  HWND action = GetDlgItem(d, IDC_EVENT_ACTION);
  SendMessageA(action, CB_SETCURSEL, 1, 0);
  SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDC_EVENT_ACTION, CBN_SELCHANGE), (LPARAM)action);
  HWND hour = GetDlgItem(d, IDC_EVENT_HOUR);
  SendMessageA(hour, CB_SETCURSEL, 21, 0);
  SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDC_EVENT_HOUR, CBN_SELCHANGE), (LPARAM)hour);
  SetDlgItemTextA(d, IDC_EVENT_PARAMETER, "お休みなさい");
  SendMessageA(GetDlgItem(d, IDC_EVENT_REGISTER), BM_CLICK, 0, 0);
  EXPECT_EQ(2, SendDlgItemMessageA(d, IDC_EVENT_LIST, LVM_GETITEMCOUNT, 0, 0));

  SendMessageA(GetDlgItem(d, IDOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([](void* w) { return !IsWindow((HWND)w); }, d, 5000));
  std::string text = folder.ReadDataFile("ZENTICK.evt");
  ASSERT_EQ(0u, text.find("0,0,6,0,1,wake up,\n"));
  std::string added = text.substr(19);
  EXPECT_EQ(",21,", added.substr(added.find(",21,"), 4)) << added;
  std::string tail = ",1,お休みなさい,\n";
  ASSERT_GT(added.size(), tail.size());
  EXPECT_EQ(tail, added.substr(added.size() - tail.size()));
}

}  // namespace
