#include <gtest/gtest.h>

#include "win_support.h"
#include <shellapi.h>

namespace {

TEST(Menus, Probe) {
  TempDataFolder folder;
  folder.InstallClock();
  ClockProcess clock;
  ASSERT_TRUE(clock.Start(folder.ExePath()));
  printf("tray wnd %p\n", FindWindowA("Shell_TrayWnd", NULL));
  NOTIFYICONDATAA nid = {};
  nid.cbSize = 88;
  nid.hWnd = clock.Window();
  nid.uFlags = NIF_TIP;
  strcpy(nid.szTip, "x");
  printf("modify before %d\n", Shell_NotifyIconA(NIM_MODIFY, &nid));
  SendMessageA(clock.Window(), WM_COMMAND, 40048, 0);
  printf("modify after add %d\n", Shell_NotifyIconA(NIM_MODIFY, &nid));
  SendMessageA(clock.Window(), WM_COMMAND, 40048, 0);
  printf("modify after remove %d\n", Shell_NotifyIconA(NIM_MODIFY, &nid));
}

}  // namespace
