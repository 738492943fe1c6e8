#include "platform/later_calls.h"

#include "platform/newer_calls.h"

// Each finds the library's calls; 0 when one it needs is missing.
static int FindComctl32(HMODULE m, LaterCalls* c) {
  FindCall(m, "InitCommonControlsEx", &c->initCommonControlsEx);
  return FindCall(m, "InitCommonControls", &c->initCommonControls);
}

static int FindComdlg32(HMODULE m, LaterCalls* c) {
  FindCall(m, "GetOpenFileNameW", &c->getOpenFileNameW);
  return FindCall(m, "ChooseColorA", &c->chooseColorA) &
         FindCall(m, "GetOpenFileNameA", &c->getOpenFileNameA);
}

static int FindOle32(HMODULE m, LaterCalls* c) {
  return FindCall(m, "CoInitialize", &c->coInitialize) &
         FindCall(m, "CoUninitialize", &c->coUninitialize);
}

static int FindRasapi32(HMODULE m, LaterCalls* c) {
  return FindCall(m, "RasEnumConnectionsA", &c->rasEnumConnectionsA) &
         FindCall(m, "RasHangUpA", &c->rasHangUpA);
}

static int FindShell32(HMODULE m, LaterCalls* c) {
  FindCall(m, "Shell_NotifyIconW", &c->shellNotifyIconW);
  FindCall(m, "ShellExecuteW", &c->shellExecuteW);
  FindCall(m, "SHBrowseForFolderW", &c->shBrowseForFolderW);
  FindCall(m, "SHGetPathFromIDListW", &c->shGetPathFromIdListW);
  return FindCall(m, "Shell_NotifyIconA", &c->shellNotifyIconA) &
         FindCall(m, "ShellExecuteA", &c->shellExecuteA) &
         FindCall(m, "SHBrowseForFolderA", &c->shBrowseForFolderA) &
         FindCall(m, "SHGetPathFromIDListA", &c->shGetPathFromIdListA) &
         FindCall(m, "SHGetMalloc", &c->shGetMalloc);
}

static int FindWinmm(HMODULE m, LaterCalls* c) {
  FindCall(m, "PlaySoundW", &c->playSoundW);
  return FindCall(m, "PlaySoundA", &c->playSoundA);
}

static int FindWsock32(HMODULE m, LaterCalls* c) {
  return FindCall(m, "WSAStartup", &c->wsaStartup) & FindCall(m, "WSACleanup", &c->wsaCleanup) &
         FindCall(m, "WSAGetLastError", &c->wsaGetLastError) &
         FindCall(m, "socket", &c->socket) & FindCall(m, "closesocket", &c->closeSocket) &
         FindCall(m, "connect", &c->connect) & FindCall(m, "ioctlsocket", &c->ioctlSocket) &
         FindCall(m, "select", &c->select) & FindCall(m, "send", &c->send) &
         FindCall(m, "recv", &c->recv) & FindCall(m, "gethostbyname", &c->getHostByName) &
         FindCall(m, "inet_addr", &c->inetAddr) & FindCall(m, "htons", &c->htons);
}

static const struct {
  const char* name;
  int (*find)(HMODULE module, LaterCalls* calls);
} libraries[LATER_LIBRARIES] = {
    {"comctl32.dll", FindComctl32}, {"comdlg32.dll", FindComdlg32}, {"ole32.dll", FindOle32},
    {"rasapi32.dll", FindRasapi32}, {"shell32.dll", FindShell32},   {"winmm.dll", FindWinmm},
    {"wsock32.dll", FindWsock32},
};

void InitListViewControls() {
  const LaterCalls* c = LoadLater(LATER_COMCTL32);
  INITCOMMONCONTROLSEX which = {sizeof which, ICC_LISTVIEW_CLASSES};
  if (c && (!c->initCommonControlsEx || !c->initCommonControlsEx(&which))) c->initCommonControls();
}

enum { NOT_LOADED, LOADING, LOADED, MISSING };

const LaterCalls* LoadLater(LaterLibrary library) {
  static LaterCalls calls;
  static long state[LATER_LIBRARIES];
  if ((unsigned)library >= LATER_LIBRARIES) return NULL;
  long* s = &state[library];
  long expected = NOT_LOADED;
  if (__atomic_compare_exchange_n(s, &expected, LOADING, false, __ATOMIC_ACQUIRE,
                                  __ATOMIC_ACQUIRE)) {
    // Loaded for the program's life, as an import would be.
    HMODULE module = LoadLibraryA(libraries[library].name);
    int found = module && libraries[library].find(module, &calls);
    __atomic_store_n(s, found ? LOADED : MISSING, __ATOMIC_RELEASE);
  }
  long now;
  while ((now = __atomic_load_n(s, __ATOMIC_ACQUIRE)) == LOADING) Sleep(0);  // another thread's
  return now == LOADED ? &calls : NULL;
}
