#include "pop3_server.h"

#include <winsock.h>
#include <stdio.h>

#include "mail/account_format.h"

static void StartSockets() {
  WSADATA wsa;
  WSAStartup(0x0101, &wsa);
}

static SOCKET ListenOnLoopback(unsigned short* port) {
  StartSockets();
  SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a = {};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = inet_addr("127.0.0.1");
  bind(s, (sockaddr*)&a, sizeof a);
  listen(s, 8);
  int size = sizeof a;
  getsockname(s, (sockaddr*)&a, &size);
  *port = ntohs(a.sin_port);
  return s;
}

ScriptedPop3Server::ScriptedPop3Server(std::vector<Pop3Step> script, const char* capaReply)
    : script_(script), capaReply_(capaReply) {
  InitializeCriticalSection(&lock_);
  listener_ = ListenOnLoopback(&port_);
  thread_ = CreateThread(NULL, 0, Serve, this, 0, NULL);
}

ScriptedPop3Server::~ScriptedPop3Server() {
  InterlockedExchange(&stop_, 1);
  WaitForSingleObject(thread_, 10000);
  CloseHandle(thread_);
  closesocket(listener_);
  DeleteCriticalSection(&lock_);
  WSACleanup();
}

std::string ScriptedPop3Server::Address() const {
  char text[32];
  snprintf(text, sizeof text, "127.0.0.1:%u", port_);
  return text;
}

std::string ScriptedPop3Server::Received() {
  EnterCriticalSection(&lock_);
  std::string copy = received_;
  LeaveCriticalSection(&lock_);
  return copy;
}

int ScriptedPop3Server::Finished() {
  EnterCriticalSection(&lock_);
  int n = finished_;
  LeaveCriticalSection(&lock_);
  return n;
}

std::vector<Pop3Step> ScriptedPop3Server::Dialogue(const char* greeting, const char* user,
                                                   const char* pass, const char* stat) {
  return {{Pop3Step::SEND, greeting, 0}, {Pop3Step::READ_LINE, "", 0},
          {Pop3Step::SEND, user, 0},     {Pop3Step::READ_LINE, "", 0},
          {Pop3Step::SEND, pass, 0},     {Pop3Step::READ_LINE, "", 0},
          {Pop3Step::SEND, stat, 0},     {Pop3Step::READ_LINE, "", 0},
          {Pop3Step::SEND, "+OK bye\r\n", 0}};
}

// Waits for the socket to be readable, looking at the stop flag often.
static bool Readable(SOCKET s, volatile LONG* stop) {
  while (!*stop) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval tick = {0, 100000};
    if (select(0, &set, NULL, NULL, &tick) > 0) return true;
  }
  return false;
}

void ScriptedPop3Server::Play(unsigned int client) {
  for (const Pop3Step& step : script_) {
    if (step.kind == Pop3Step::SEND) {
      send(client, step.text.data(), (int)step.text.size(), 0);
    } else if (step.kind == Pop3Step::PAUSE) {
      Sleep(step.ms);
    } else if (step.kind == Pop3Step::RESET) {
      // Linger 0: the close sends a reset instead of an orderly end.
      linger abort = {1, 0};
      setsockopt(client, SOL_SOCKET, SO_LINGER, (const char*)&abort, sizeof abort);
      return;
    } else if (step.kind == Pop3Step::HOLD) {
      while (!stop_) Sleep(50);
      return;
    } else {
      std::string line;
      while (ReadLine(client, &line) && line == "CAPA\r\n")
        send(client, capaReply_.data(), (int)capaReply_.size(), 0);
      if (line.empty() || line.back() != '\n') return;  // closed or stopped
    }
  }
  EnterCriticalSection(&lock_);
  finished_ += 1;
  LeaveCriticalSection(&lock_);
}

// One command line, recorded; false when the connection closed or the server stops.
bool ScriptedPop3Server::ReadLine(unsigned int client, std::string* line) {
  line->clear();
  char c;
  while (Readable(client, &stop_) && recv(client, &c, 1, 0) == 1) {
    *line += c;
    if (c == '\n') break;
  }
  EnterCriticalSection(&lock_);
  received_ += *line;
  LeaveCriticalSection(&lock_);
  return !line->empty() && line->back() == '\n';
}

DWORD WINAPI ScriptedPop3Server::Serve(void* self) {
  ScriptedPop3Server* server = (ScriptedPop3Server*)self;
  while (Readable(server->listener_, &server->stop_)) {
    SOCKET client = accept(server->listener_, NULL, NULL);
    if (client == INVALID_SOCKET) continue;
    server->Play(client);
    closesocket(client);
  }
  return 0;
}

std::string ClosedLoopbackAddress() {
  unsigned short port = 0;
  SOCKET s = ListenOnLoopback(&port);
  closesocket(s);
  WSACleanup();
  char text[32];
  snprintf(text, sizeof text, "127.0.0.1:%u", port);
  return text;
}

std::string AccountFileLine(const char* name, const std::string& server, const char* user,
                            const char* password) {
  AccountEntry e = {};
  snprintf(e.name, sizeof e.name, "%s", name);
  snprintf(e.server, sizeof e.server, "%s", server.c_str());
  snprintf(e.user, sizeof e.user, "%s", user);
  snprintf(e.password, sizeof e.password, "%s", password);
  char line[ACCOUNT_LINE_SIZE];
  BuildAccountLine(&e, line, sizeof line);
  return line;
}
