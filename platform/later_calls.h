// The calls of the system libraries the clock needs only for a dialog, a
// chime, the notification area, an event, a dial-up connection or a mail
// check. Each library is loaded at
// the first use of its calls rather than with the program: under Wine each
// would add milliseconds to every start. Safe from any thread.
#pragma once
#include <winsock.h>
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <objbase.h>
#include <ras.h>
#include <shellapi.h>
#include <shlobj.h>

enum LaterLibrary {
  LATER_COMCTL32,
  LATER_COMDLG32,
  LATER_OLE32,
  LATER_RASAPI32,
  LATER_SHELL32,
  LATER_WINMM,
  LATER_WSOCK32,
  LATER_LIBRARIES
};

struct LaterCalls {
  // comctl32
  decltype(&InitCommonControls) initCommonControls;
  decltype(&InitCommonControlsEx) initCommonControlsEx;  // 4.70 on: may be NULL
  // comdlg32
  decltype(&ChooseColorA) chooseColorA;
  decltype(&GetOpenFileNameA) getOpenFileNameA;
  decltype(&GetOpenFileNameW) getOpenFileNameW;  // may be NULL on 95, 98 and Me
  // ole32
  decltype(&CoInitialize) coInitialize;
  decltype(&CoUninitialize) coUninitialize;
  // rasapi32
  decltype(&RasEnumConnectionsA) rasEnumConnectionsA;
  decltype(&RasHangUpA) rasHangUpA;
  // shell32; the Unicode ones may be NULL on 95, 98 and Me
  decltype(&Shell_NotifyIconA) shellNotifyIconA;
  decltype(&Shell_NotifyIconW) shellNotifyIconW;
  decltype(&ShellExecuteA) shellExecuteA;
  decltype(&ShellExecuteW) shellExecuteW;
  decltype(&SHBrowseForFolderA) shBrowseForFolderA;
  decltype(&SHBrowseForFolderW) shBrowseForFolderW;
  decltype(&SHGetPathFromIDListA) shGetPathFromIdListA;
  decltype(&SHGetPathFromIDListW) shGetPathFromIdListW;
  decltype(&SHGetMalloc) shGetMalloc;
  // winmm
  decltype(&PlaySoundA) playSoundA;
  decltype(&PlaySoundW) playSoundW;  // may be NULL on 95, 98 and Me
  // wsock32
  decltype(&WSAStartup) wsaStartup;
  decltype(&WSACleanup) wsaCleanup;
  decltype(&WSAGetLastError) wsaGetLastError;
  decltype(&socket) socket;
  decltype(&closesocket) closeSocket;
  decltype(&connect) connect;
  decltype(&ioctlsocket) ioctlSocket;
  decltype(&select) select;
  decltype(&send) send;
  decltype(&recv) recv;
  decltype(&gethostbyname) getHostByName;
  decltype(&inet_addr) inetAddr;
  decltype(&htons) htons;
};

// The list views' control class, through the newer call where there is one.
void InitListViewControls();

// The calls, with library loaded; NULL when the system lacks the library
// or one of its calls not marked "may be NULL".
const LaterCalls* LoadLater(LaterLibrary library);
