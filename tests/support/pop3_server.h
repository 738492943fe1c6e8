// A POP3 server on 127.0.0.1 playing a script to every connection, on a
// thread of the test process. CAPA is answered outside the script, with
// capaReply, wherever the script reads a line.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct Pop3Step {
  enum Kind { SEND, READ_LINE, PAUSE, HOLD, RESET } kind;  // RESET: abortive close
  std::string text;  // SEND
  int ms;            // PAUSE
};

class ScriptedPop3Server {
 public:
  explicit ScriptedPop3Server(std::vector<Pop3Step> script,
                              const char* capaReply = "-ERR unknown command\r\n");
  ~ScriptedPop3Server();
  std::string Address() const;  // "127.0.0.1:port"
  std::string Received();       // every command line received so far
  int Finished();               // connections whose script ran to its end

  // Greeting, then one reply after each of USER, PASS, STAT and QUIT.
  static std::vector<Pop3Step> Dialogue(const char* greeting, const char* user,
                                        const char* pass, const char* stat);

 private:
  static DWORD WINAPI Serve(void* self);
  void Play(unsigned int client);
  bool ReadLine(unsigned int client, std::string* line);
  std::vector<Pop3Step> script_;
  std::string capaReply_;
  unsigned int listener_;
  unsigned short port_ = 0;
  HANDLE thread_ = NULL;
  volatile LONG stop_ = 0;
  CRITICAL_SECTION lock_;
  std::string received_;
  int finished_ = 0;
};

// A port on 127.0.0.1 where nothing listens.
std::string ClosedLoopbackAddress();

// One account as the account file stores it.
std::string AccountFileLine(const char* name, const std::string& server, const char* user,
                            const char* password);
