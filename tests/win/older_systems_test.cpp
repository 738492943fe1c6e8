// The figures, placement, file rewrites, texts and paths work both with the
// newer system calls and, with those taken away, the way older systems go.
#include <gtest/gtest.h>

#include "shell/globals.h"
#include "shell/placement.h"
#include "app_harness.h"
#include "face/info_stats.h"
#include "events/event_store.h"
#include "mail/account_file.h"
#include "platform/file_replace.h"
#include "platform/newer_calls.h"
#include "platform/system_text.h"
#include "pop3_server.h"
#include "res/resource.h"
#include "settings/sound.h"

namespace {

// Takes the newer calls away while it lives, as on Windows 95 or NT 4.0.
struct OlderSystem {
  NewerCalls saved = *Newer();
  OlderSystem() { *Newer() = NewerCalls{}; }
  ~OlderSystem() { *Newer() = saved; }
};

void ExpectSaneMemory() {
  MemoryFigures memory;
  ReadMemoryFigures(&memory);
  EXPECT_GT(memory.availableBytes, 0u);
  EXPECT_LE(memory.availableBytes, memory.totalBytes);
  EXPECT_LE(memory.load, 100u);
}

TEST(OlderSystems, ProcessorFigureCoversOnlyTheTimeSinceItWasChosen) {
  ASSERT_NE(nullptr, Newer()->getSystemTimes);
  CpuReading cpu;
  StartCpuReading(&cpu);
  DWORD start = GetTickCount();
  volatile unsigned spin = 0;
  while (GetTickCount() - start < 500) spin = spin + 1;
  int busy = ReadCpuPercent(&cpu);
  EXPECT_GT(busy, 5);
  EXPECT_LE(busy, 100);
  ExpectSaneMemory();

  OlderSystem older;
  StartCpuReading(&cpu);
  EXPECT_EQ(-1, ReadCpuPercent(&cpu));  // Wine keeps no dynamic statistics either
  ExpectSaneMemory();
}

TEST(OlderSystems, WithoutTheMonitorCallsThePrimaryWorkAreaDecides) {
  TempDataFolder folder;
  folder.WriteIni("[WINDOW]\r\nPOSX=100\r\nPOSY=120\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  OlderSystem older;
  POINT p;
  LoadWindowPosition(clock.Window(), &theApp, &p);
  EXPECT_EQ(100, p.x);
  EXPECT_EQ(120, p.y);
  theApp.WriteSettingInt(Setting::windowLeft, 5000);
  LoadWindowPosition(clock.Window(), &theApp, &p);
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(work.right / 2 - 100, p.x);  // the default
  EXPECT_EQ(120, p.y);
}

TEST(OlderSystems, WithoutTheOneStepMoveAFileIsStillReplacedWhole) {
  TempDataFolder folder;
  std::string path = folder.DataDir() + "ZENTICK.evt";
  folder.WriteDataFile("ZENTICK.evt", "old line\r\n");
  ReplaceOps saved = fileReplaceOps;
  fileReplaceOps.moveReplacing = [](const char*, const char*) { return -1; };
  EXPECT_EQ(1, ReplaceDataFile(path.c_str(), "new", 3));
  fileReplaceOps = saved;
  EXPECT_EQ("new", folder.ReadDataFile("ZENTICK.evt"));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((path + ".new").c_str()));
}

// Windows 95's two steps cut between them: the old file deleted, the
// rename of NAME.new refused (a scanner holds it, or the power went).
struct CutReplacement {
  ReplaceOps saved = fileReplaceOps;
  CutReplacement() {
    fileReplaceOps.moveReplacing = [](const char*, const char*) { return -1; };
    fileReplaceOps.move = [](const char* from, const char* to) {
      size_t n = strlen(to);
      return n > 4 && strcmp(to + n - 4, ".new") == 0 && MoveFileA(from, to) ? 1 : 0;
    };
  }
  ~CutReplacement() { fileReplaceOps = saved; }
};

bool Missing(const std::string& path) {
  return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

TEST(OlderSystems, ARewriteCutBetweenItsStepsIsFinishedByTheNextReadOrAdd) {
  TempDataFolder folder;
  std::string events = folder.DataDir() + "ZENTICK.evt";
  std::string accounts = folder.DataDir() + "ZENTICK.mld";
  const char* added = "0,0,10,0,1,d,\n";
  folder.WriteDataFile("ZENTICK.evt", "0,0,7,0,1,a,\n0,0,8,0,1,b,\n0,0,9,0,1,c,\n");
  std::string two = AccountFileLine("自宅", "pop.example.jp", "taro", "secret") +
                    AccountFileLine("会社", "pop.example.jp", "hanako", "secret");
  folder.WriteDataFile("ZENTICK.mld", two + AccountFileLine("旧", "old.example.jp", "x", "y"));
  {
    CutReplacement cut;
    // The old files are gone and the new ones whole: that counts as written.
    EXPECT_EQ(1, DeleteEventLine(events.c_str(), 0));
    DeleteAccount(accounts.c_str(), 2);
    ASSERT_TRUE(Missing(events));
    ASSERT_TRUE(Missing(accounts));
    // The next write waits rather than making a new NAME.new from nothing.
    EXPECT_EQ(0, AppendEventLine(events.c_str(), added, strlen(added)));
    EXPECT_EQ(0, DeleteEventLine(events.c_str(), 0));
    AccountEntry read;
    ReadAccount(accounts.c_str(), 1, &read);  // NAME.new read in NAME's place
    EXPECT_STREQ("会社", read.name);
  }
  // The rename works again: an add keeps every line, a read finds them all.
  EXPECT_EQ(1, AppendEventLine(events.c_str(), added, strlen(added)));
  EXPECT_EQ("0,0,8,0,1,b,\n0,0,9,0,1,c,\n0,0,10,0,1,d,\n", folder.ReadDataFile("ZENTICK.evt"));
  AccountEntry read;
  ReadAccount(accounts.c_str(), 1, &read);
  EXPECT_STREQ("会社", read.name);
  EXPECT_EQ(two, folder.ReadDataFile("ZENTICK.mld"));
  EXPECT_TRUE(Missing(events + ".new"));
  EXPECT_TRUE(Missing(accounts + ".new"));
}

// Windows 95, 98 and Me: no Unicode calls, texts and paths in the
// system's code page (932 here, as on a Japanese system).
struct AnsiSystem {
  TextWays saved = *SystemTextWays();
  AnsiSystem() { *SystemTextWays() = TextWays{}; }
  ~AnsiSystem() { *SystemTextWays() = saved; }
};

std::string played;
int RecordSound(const char* path, DWORD) {
  played = path;
  return 1;
}

TEST(OlderSystems, WithoutUnicodeCallsPathsAndTextsGoThroughTheSystemsCodePage) {
  AnsiSystem ansi;
  TempDataFolder folder;
  // Kept in UTF-16 on the NT family, then carried here: turned back into
  // 8 bits, where 表 ends in a backslash byte.
  std::wstring ini = L"\xFEFF[EXT]\r\nSOUND=1\r\nSOUNDFILE=" + WideOfUtf8(u8"C:\\表\\hour.wav\r\n");
  folder.WriteIni(std::string((const char*)ini.data(), ini.size() * sizeof(wchar_t)));
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  PlayWaveFile = RecordSound;
  clock.TickAt(13, 0, 0);
  EXPECT_EQ(u8"C:\\表\\hour.wav", played);  // inside, as every path: UTF-8
  SendMessageA(clock.Window(), WM_COMMAND, IDM_CHIME, 0);
  EXPECT_EQ("0", folder.IniValue("EXT", "SOUND"));
  EXPECT_EQ('[', folder.ReadDataFile("Zentick.ini")[0]);  // still 8 bits: no UTF-16 here
  MessageBoxCatcher catcher;
  ShowPathMessage(NULL, "「%s」がありません", u8"C:\\表", "エラー", MB_OK);
  ASSERT_EQ(1u, catcher.boxes.size());
  EXPECT_EQ("「C:\\表」がありません", catcher.boxes[0].text);
}

}  // namespace
