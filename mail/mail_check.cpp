#include "mail/mail_check.h"

#include <stdio.h>
#include <string.h>

#include "settings/app_state.h"
#include "settings/minute_job.h"
#include "platform/dial_up.h"
#include "platform/dialog_controls.h"
#include "platform/system_text.h"
#include "settings/sound.h"
#include "mail/account_file.h"
#include "mail/mail_dialogs.h"
#include "mail/mail_socket.h"
#include "mail/pop3_dialogue.h"
#include "mail/tls_channel.h"
#include "mail/tls_memory_file.h"
#include "mail/wake_rule.h"

// The connection under a dialogue: the socket, and TLS once it started.
struct Connection {
  MailSocket socket;
  TlsChannel* tls;
  const char* host;
};

static int SendOnConnection(void* context, const char* bytes, int length) {
  Connection* c = (Connection*)context;
  return c->tls ? TlsSend(c->tls, bytes, length) : SendAllOnSocket(&c->socket, bytes, length);
}

static int ReceiveOnConnection(void* context, char* buffer, int size) {
  Connection* c = (Connection*)context;
  return c->tls ? TlsReceive(c->tls, buffer, size)
                : ReceiveBeforeDeadline(&c->socket, buffer, size);
}

static void ExpectReply(void* context, int ms) { SetMailDeadline(&((Connection*)context)->socket, ms); }

static int StartTlsOnConnection(void* context) {
  Connection* c = (Connection*)context;
  return TlsHandshake(&c->tls, &c->socket, c->host);
}

static int LookUpHost(const char* host, in_addr* address) {
  const LaterCalls* net = SocketCalls();
  if (!net) return 0;
  unsigned long numeric = net->inetAddr(host);
  if (numeric != INADDR_NONE) {
    address->s_addr = numeric;
    return 1;
  }
  hostent* found = net->getHostByName(host);
  if (!found || found->h_addrtype != AF_INET || found->h_length != 4 || !found->h_addr_list[0])
    return 0;
  memcpy(address, found->h_addr_list[0], 4);
  return 1;
}

// When the machine last resumed, noted on the clock's thread.
static volatile LONG resumed;
static volatile DWORD resumedAt;

void NoteResume() {
  resumedAt = GetTickCount();
  InterlockedExchange(&resumed, 1);
}

// A name that does not resolve just after a resume is waited for.
static int LookUpHostAwake(const char* host, in_addr* address) {
  while (!LookUpHost(host, address)) {
    uint32_t wait = WakingRetryWait(resumed != 0, GetTickCount() - resumedAt);
    if (!wait) return 0;
    Sleep(wait);
  }
  return 1;
}

// What one check needs, taken from the settings on the clock's thread
// when it starts: the check's thread reads no settings.
struct MailJob {
  HWND owner;
  int tlsRequired;
  int playSound;
  char soundFile[PATH_SIZE];
  char accountPath[PATH_SIZE];
  char tlsMemoryPath[PATH_SIZE];
  char tlsMemory[TLS_MEMORY_SIZE];  // the servers remembered for TLS
};

static void Talk(const AccountEntry* a, const MailJob* job, MailResult* result) {
  Pop3Address server;
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  if (!ParsePop3Address(a->server, &server) || !LookUpHostAwake(server.host, &address.sin_addr)) {
    result->outcome = MAIL_HOST_UNKNOWN;
    return;
  }
  const LaterCalls* net = SocketCalls();
  if (!net) {
    result->outcome = MAIL_NO_SOCKET;
    return;
  }
  address.sin_port = net->htons(server.port);
  Connection c = {{net->socket(AF_INET, SOCK_STREAM, 0), 0, net}, NULL, server.host};
  if (c.socket.s == INVALID_SOCKET) {
    result->outcome = MAIL_NO_SOCKET;
    return;
  }
  if (!ConnectMailSocket(&c.socket, &address)) result->outcome = MAIL_NOT_CONNECTED;
  else {
    Pop3Link link = {&c, SendOnConnection, ReceiveOnConnection, ExpectReply,
                     TlsSupported() ? StartTlsOnConnection : NULL};
    Pop3Login login = {a->user, a->password, server.implicitTls, job->tlsRequired,
                       TlsMemoryHolds(job->tlsMemory, a->server)};
    RunPop3Dialogue(&link, &login, result);
  }
  TlsClose(c.tls);
  net->closeSocket(c.socket.s);
}

// One account's dialogue; adds its row to the report.
static void CheckPop3Account(const AccountEntry* account, const MailJob* job, MailReport* report) {
  MailResult result = {};
  memcpy(result.account, account->name, sizeof result.account);
  memcpy(result.server, account->server, sizeof result.server);
  Talk(account, job, &result);
  AddMailResult(report, &result);
}

// Checks every account in file order into report.
static void CheckAccounts(const FileBytes* file, const MailJob* job, MailReport* report) {
  size_t offset = 0;
  char line[ACCOUNT_LINE_SIZE];
  AccountEntry account;
  while (ReadNextAccountLine(file->data, file->size, &offset, line)) {
    UnscrambleLine(line);
    // A hand-edited line without all four fields has nothing to log in with.
    if (SplitAccountTokens(line, &account)) CheckPop3Account(&account, job, report);
  }
  WipeSecret(line, sizeof line);
  WipeSecret(&account, sizeof account);
}

// Set on the clock's thread when a check starts, cleared by the check's
// thread when it ends, after its notice.
static volatile LONG checkBusy;

int MailCheckBusy() { return checkBusy != 0; }

// One check at a time (checkBusy), so one record.
static MailJob theJob;

// 0 when there is no account file to read.
static int TakeJob(AppState* app, HWND clock, MailJob* job) {
  job->owner = clock;
  job->tlsRequired = app->ReadSettingInt(Setting::mailTlsRequired) != 0;
  job->playSound = app->ReadSettingInt(Setting::mailSound);
  app->ReadSettingString(Setting::mailSoundFile, job->soundFile);
  if (!BuildAccountPath(app, clock, job->accountPath)) return 0;
  BuildTlsMemoryPath(app, job->tlsMemoryPath);
  ReadTlsMemory(job->tlsMemoryPath, job->tlsMemory);
  return 1;
}

static void RunCheck(const MailJob* job) {
  WSADATA wsa;
  const LaterCalls* net = SocketCalls();
  if (!net || net->wsaStartup(0x0101, &wsa) != 0) {
    ShowMessage(NULL, "error on WSAStartup", "Error", MB_OK);
    return;
  }
  FileBytes file;
  MailReport report;
  report.rowCount = 0;
  if (ReadAccountFile(job->accountPath, &file)) CheckAccounts(&file, job, &report);
  FreeAccountFile(&file);
  net->wsaCleanup();
  RememberTlsServers(job->tlsMemoryPath, &report);
  if (!ReportWantsNotice(&report)) return;
  if (job->playSound) PlayWave(job->soundFile);
  MailArrivalDialog(job->owner, &report);
}

static DWORD WINAPI MailCheckThread(void* parameter) {
  RunCheck((const MailJob*)parameter);
  InterlockedExchange(&checkBusy, 0);
  return 1;
}

int mailMinutes;

MailCheckStart StartMailCheck(AppState* app, HWND clock) {
  mailMinutes = 0;
  if (checkBusy) return MAIL_CHECK_BUSY;
  if (!app->ReadSettingInt(Setting::mailOverLan) && !IsDialUpConnected())
    return MAIL_CHECK_OFFLINE;
  if (!TakeJob(app, clock, &theJob)) return MAIL_CHECK_NO_FILE;
  InterlockedExchange(&checkBusy, 1);
  HANDLE thread = CreateThread(NULL, 0, MailCheckThread, &theJob, 0, NULL);
  if (thread) CloseHandle(thread);
  else InterlockedExchange(&checkBusy, 0);
  return MAIL_CHECK_STARTED;
}

void CheckMailNow(AppState* app, HWND clock) {
  if (BringForwardIfOpen(OpenMailNotice())) return;
  // Asked for by hand, a check that cannot start must say why.
  if (StartMailCheck(app, clock) == MAIL_CHECK_OFFLINE)
    ShowMessage(clock,
                "「LAN接続（常にチェックする）」がオフで、ダイヤルアップ接続もないため、"
                "メールをチェックできません。\n"
                "拡張機能 → アカウントの設定 で「LAN接続（常にチェックする）」に"
                "チェックを入れてください。",
                "メールチェック", MB_OK | MB_ICONINFORMATION);
}

void CountMailMinute(const JobCall* call) {
  AppState* app = call->app;
  mailMinutes += 1;
  // The count must pass the interval, so a check comes every interval + 1 minutes.
  if (app->ReadSettingInt(Setting::mailAutoCheck) &&
      mailMinutes > app->ReadSettingInt(Setting::mailIntervalMinutes) && !call->waiting)
    StartMailCheck(app, call->clock);
}
