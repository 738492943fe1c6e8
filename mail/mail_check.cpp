#include "mail/mail_check.h"

#include <winsock.h>
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include <string>

#include "app/app_state.h"
#include "platform/dial_up.h"
#include "app/sound.h"
#include "mail/account_file.h"
#include "mail/mail_dialogs.h"
#include "mail/pop3_dialogue.h"

static int WaitForSocket(SOCKET s, int forWrite, int ms) {
  fd_set ready, failed;
  FD_ZERO(&ready);
  FD_ZERO(&failed);
  FD_SET(s, &ready);
  FD_SET(s, &failed);
  timeval limit = {ms / 1000, (ms % 1000) * 1000};
  int n = select(0, forWrite ? NULL : &ready, forWrite ? &ready : NULL, &failed, &limit);
  return n > 0 && FD_ISSET(s, &ready) && !FD_ISSET(s, &failed);
}

// connect with a time-limit: non-blocking while it runs.
static int ConnectWithin(SOCKET s, const sockaddr_in* address) {
  u_long nonBlocking = 1;
  ioctlsocket(s, FIONBIO, &nonBlocking);
  int ok = connect(s, (const sockaddr*)address, sizeof *address) == 0 ||
           (WSAGetLastError() == WSAEWOULDBLOCK &&
            WaitForSocket(s, 1, MAIL_CONNECT_TIMEOUT_MS));
  nonBlocking = 0;
  ioctlsocket(s, FIONBIO, &nonBlocking);
  return ok;
}

static int SendOnSocket(void* context, const char* bytes, int length) {
  return send(*(SOCKET*)context, bytes, length, 0);
}

static int ReceiveOnSocket(void* context, char* buffer, int size) {
  SOCKET s = *(SOCKET*)context;
  if (!WaitForSocket(s, 0, MAIL_RECEIVE_TIMEOUT_MS)) return -1;
  return recv(s, buffer, size, 0);
}

static int LookUpHost(const char* host, in_addr* address) {
  unsigned long numeric = inet_addr(host);
  if (numeric != INADDR_NONE) {
    address->s_addr = numeric;
    return 1;
  }
  hostent* found = gethostbyname(host);
  if (!found || found->h_addrtype != AF_INET || found->h_length != 4 || !found->h_addr_list[0])
    return 0;
  memcpy(address, found->h_addr_list[0], 4);
  return 1;
}

static int Talk(const AccountEntry* a, char* result, size_t resultSize) {
  char host[ACCOUNT_SERVER_SIZE];
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  unsigned short port;
  if (!SplitHostPort(a->server, host, sizeof host, &port) ||
      !LookUpHost(host, &address.sin_addr)) {
    snprintf(result, resultSize, "%sが見つかりません", a->server);
    return 1;
  }
  address.sin_port = htons(port);
  SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
  if (s == INVALID_SOCKET) {
    snprintf(result, resultSize, "ソケットをオープンに失敗");
    return 1;
  }
  int given = 1;
  if (!ConnectWithin(s, &address)) snprintf(result, resultSize, "サーバーソケットに接続失敗");
  else {
    Pop3Link link = {&s, SendOnSocket, ReceiveOnSocket};
    given = RunPop3Dialogue(&link, a->server, a->user, a->password, result, resultSize);
  }
  closesocket(s);
  return given;
}

int CheckPop3Account(const AccountEntry* account, char* report) {
  char result[REPORT_LINE_SIZE];
  int given = Talk(account, result, sizeof result);
  AppendReportLine(report, account->name, result);
  return given;
}

// Checks every account in file order into report; gives the sum.
static int CheckAccounts(const std::string& file, char* report) {
  int sum = 0;
  size_t offset = 0;
  char line[ACCOUNT_LINE_SIZE];
  while (ReadNextAccountLine(file, &offset, line)) {
    UnscrambleLine(line);
    AccountEntry account;
    // A hand-edited line without all four fields has nothing to log in with.
    if (SplitAccountTokens(line, &account)) sum = AddMailCount(sum, CheckPop3Account(&account, report));
  }
  return sum;
}

static DWORD WINAPI MailCheckThread(void* parameter) {
  AppState* app = (AppState*)parameter;
  char path[PATH_SIZE];
  BuildAccountPath(app, path);
  WSADATA wsa;
  if (WSAStartup(0x0101, &wsa) != 0) {
    MessageBoxA(NULL, "error on WSAStartup", "Error", MB_OK);
    return 0;
  }
  std::string file;
  char report[MAIL_REPORT_SIZE] = "";
  int sum = ReadAccountFile(path, &file) ? CheckAccounts(file, report) : 0;
  WSACleanup();
  if (sum == 0) return 1;
  if (app->useSound) PlaySettingSound(app, "MAIL", "SOUNDFILE");
  MailArrivalDialog(app->hwnd, report);
  return 1;
}

void StartMailCheck(AppState* app) {
  app->mailMinutes = 0;
  if (!app->ReadSettingInt("MAIL", "CHECK_LAN", 0) && !IsDialUpConnected()) return;
  HANDLE thread = CreateThread(NULL, 0, MailCheckThread, app, 0, NULL);
  if (thread) CloseHandle(thread);
}
