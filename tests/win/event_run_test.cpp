// Due events run by the clock's minute tick: the shell, the message box,
// the file afterwards, and hang-up and shutdown through recorded calls.
#include <gtest/gtest.h>

#include <stdarg.h>
#include <stdio.h>

#include "shell/globals.h"
#include "app_harness.h"
#include "event_boxes.h"
#include "platform/dial_up.h"
#include "events/event_actions.h"
#include "events/event_platform.h"
#include "events/event_runner.h"
#include "events/event_store.h"

namespace {

std::vector<std::string> calls;
DWORD platformId = VER_PLATFORM_WIN32_NT;
DWORD connectionCount = 2;
DWORD enumResult = 0;
DWORD failingHangUp = 0;  // handle whose hang-up fails; 0 none
BOOL tokenOpens = TRUE;

// Handles and pointers the same on either architecture.
unsigned long Bits(const void* p) { return (unsigned long)(UINT_PTR)p; }

void Record(const char* format, ...) {
  char text[160];
  va_list args;
  va_start(args, format);
  vsnprintf(text, sizeof text, format, args);
  va_end(args);
  calls.push_back(text);
}

DWORD WINAPI FakeEnum(LPRASCONNA list, LPDWORD bytes, LPDWORD count) {
  Record("enum %lu %lu", *(DWORD*)list, *bytes);
  auto* records = (DialUpConnection*)list;
  for (DWORD i = 0; i < connectionCount && (i + 1) * sizeof *records <= *bytes; i++)
    records[i].handle = (HRASCONN)(UINT_PTR)(i + 1);
  *count = connectionCount;
  return enumResult;
}
DWORD WINAPI FakeHangUp(HRASCONN c) {
  Record("hangup %u", (unsigned)(UINT_PTR)c);
  return (UINT_PTR)c == failingHangUp ? 668 : 0;
}
BOOL WINAPI FakeVersion(LPOSVERSIONINFOA v) {
  Record("version %lu", v->dwOSVersionInfoSize);
  v->dwPlatformId = platformId;
  return TRUE;
}
BOOL WINAPI FakeOpenToken(HANDLE process, DWORD access, PHANDLE token) {
  Record("token %s 0x%lx", process == GetCurrentProcess() ? "self" : "other", access);
  *token = (HANDLE)0x1234;
  return tokenOpens;
}
BOOL WINAPI FakeLookup(LPCSTR system, LPCSTR name, PLUID luid) {
  Record("lookup %s %s", system ? system : "local", name);
  luid->LowPart = 19;
  luid->HighPart = 0;
  return TRUE;
}
BOOL WINAPI FakeAdjust(HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES state, DWORD size,
                       PTOKEN_PRIVILEGES previous, PDWORD returned) {
  Record("adjust %lx %d count=%lu luid=%lu attr=%lu %lu %lx %lx", Bits(token), disableAll,
         state->PrivilegeCount, state->Privileges[0].Luid.LowPart,
         state->Privileges[0].Attributes, size, Bits(previous), Bits(returned));
  return TRUE;
}
BOOL WINAPI FakeExit(UINT flags, DWORD reason) {
  Record("exit %u %lu", flags, reason);
  return TRUE;
}
BOOL WINAPI FakeClose(HANDLE h) {
  Record("close %lx", Bits(h));
  return TRUE;
}
void WINAPI FakeSleep(DWORD ms) { Record("sleep %lu", ms); }

// Puts the recorders in place of the system calls for one test.
struct RecordedPlatform {
  EventPlatform saved = eventPlatform;
  DialUpSeam savedDialUp = dialUpSeam;
  RecordedPlatform() {
    eventPlatform = {FakeVersion, FakeOpenToken, FakeLookup, FakeAdjust,
                     FakeExit,    FakeClose,     FakeSleep};
    dialUpSeam = {FakeEnum, FakeHangUp};
    calls.clear();
  }
  ~RecordedPlatform() {
    eventPlatform = saved;
    dialUpSeam = savedDialUp;
  }
};

// One record's size and room for eight, as this architecture passes them.
const std::string kEnumCall = "enum " + std::to_string(sizeof(DialUpConnection)) + " " +
                              std::to_string(8 * sizeof(DialUpConnection));

const std::vector<std::string> kNtShutdown = {
    "version 148", "token self 0x28", "lookup local SeShutdownPrivilege",
    "adjust 1234 0 count=1 luid=19 attr=2 0 0 0", "close 1234", "exit 5 0"};

bool FileExists(void* path) {
  return GetFileAttributesA(((std::string*)path)->c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The minute boundary of hour:minute on 24 December, reached by a jump.
void RunMinute(InProcessClock& clock, WORD hour, WORD minute) {
  InProcessClock::SetTime(2027, 12, 24, hour, minute, 0);
  clock.Tick();
}

TEST(EventRun, OpensFileShowsMessageAndRemovesOnlyFiredOneShotLines) {
  TempDataFolder folder;
  std::string marker = folder.Root() + "opened.txt";
  WriteFileBytes(folder.Root() + "open me.bat", "@echo opened> \"" + marker + "\"\r\n");
  std::string repeating = "0,0,18,0,0," + folder.Root() + "open me.bat,\n" +
                          "0,24,18,0,1,Every 24th, at six,\n";
  std::string later = "12,24,18,1,1,later,\n";
  folder.WriteDataFile("ZENTICK.evt", "12,24,18,0,1,Merry Christmas,\n" + repeating +
                                          "12,24,18,0,9,unknown action,\n" + later);
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  BoxCloser closer;
  RunMinute(clock, 18, 0);

  ASSERT_EQ(2u, seenBoxes.size());
  EXPECT_EQ("Message", seenBoxes[0].caption);
  EXPECT_EQ("Merry Christmas", seenBoxes[0].text);
  EXPECT_EQ(NULL, seenBoxes[0].owner);
  EXPECT_FALSE(seenBoxes[0].hasCancel);
  EXPECT_EQ("Every 24th", seenBoxes[1].text);  // the comma ends the parameter
  EXPECT_EQ(repeating + later, folder.ReadDataFile("ZENTICK.evt"));
  EXPECT_TRUE(WaitUntil(FileExists, &marker, 30000)) << "the shell did not run the batch file";

  // Nothing more at a minute with no due lines; the repeating ones again a month later.
  RunMinute(clock, 19, 2);
  EXPECT_EQ(2u, seenBoxes.size());
  EXPECT_EQ(repeating + later, folder.ReadDataFile("ZENTICK.evt"));
}

// While a message box is open the clock keeps ticking: a later minute
// (and the same minute again, as when the clock is set back) runs inside
// the box's loop.
TEST(EventRun, RunsStartedDuringAMessageBoxNeitherRepeatNorLoseLines) {
  TempDataFolder folder;
  std::string kept = "0,0,7,0,1,,,\n3,4,7,31,1,next year,\n";
  folder.WriteDataFile("ZENTICK.evt", "12,24,7,30,1,first,\n" + kept + "12,24,7,31,1,second,\n" +
                                          "0,0,7,31,1,daily,\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  static InProcessClock* running;
  running = &clock;
  onBox = [](const SeenBox& box) {
    if (box.text != "first") return;
    RunMinute(*running, 7, 31);  // the next minute
    RunMinute(*running, 7, 30);  // and this one again
  };
  BoxCloser closer;
  RunMinute(clock, 7, 30);
  onBox = nullptr;

  std::vector<std::string> texts;
  for (const SeenBox& b : seenBoxes) texts.push_back(b.text);
  EXPECT_EQ((std::vector<std::string>{"first", "second", "daily"}), texts);
  EXPECT_EQ(kept + "0,0,7,31,1,daily,\n", folder.ReadDataFile("ZENTICK.evt"));
}

// A one-shot line that cannot leave the file waits, unrun, for a minute
// when it can.
TEST(EventRun, FailedRewriteLeavesTheFileAsItWasAndTheOneShotUnrun) {
  TempDataFolder folder;
  std::string text = "12,24,9,0,1,once,\n0,0,9,0,2,daily,\n";
  folder.WriteDataFile("ZENTICK.evt", text);
  // The new file cannot be made where a folder of its name stands.
  std::string newPath = folder.DataDir() + "ZENTICK.evt.tmp";
  CreateDirectoryA(newPath.c_str(), NULL);
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  RecordedPlatform platform;
  seenBoxes.clear();
  {
    BoxCloser closer;
    RunMinute(clock, 9, 0);
  }
  EXPECT_EQ(text, folder.ReadDataFile("ZENTICK.evt"));
  ASSERT_EQ(1u, seenBoxes.size());
  EXPECT_EQ("イベントファイル「" + folder.DataDir() +
                "ZENTICK.evt」を書き換えられないため、一度だけのイベントを実行しませんでした。",
            seenBoxes[0].text);
  EXPECT_EQ("エラー", seenBoxes[0].caption);
  // The repeating one runs.
  EXPECT_EQ((std::vector<std::string>{kEnumCall, "hangup 1", "hangup 2"}), calls);

  RemoveDirectoryA(newPath.c_str());
  clock.TickAt(0, 0, 30);  // the clock set back: 9:00 comes again
  seenBoxes.clear();
  {
    BoxCloser closer;
    RunMinute(clock, 9, 0);
  }
  ASSERT_EQ(1u, seenBoxes.size());
  EXPECT_EQ("once", seenBoxes[0].text);
  EXPECT_EQ("0,0,9,0,2,daily,\n", folder.ReadDataFile("ZENTICK.evt"));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(newPath.c_str()));
}

TEST(EventRun, HangUpThenWaitThenOneShutdownTheLastLineChooses) {
  TempDataFolder folder;
  folder.WriteDataFile("ZENTICK.evt",
                       "0,0,23,59,4,OSのシャットダウン(強制),\n0,0,23,59,2,ダイアルアップの切断,\n"
                       "0,0,23,59,3,OSのシャットダウン,\n0,0,23,58,2,other minute,\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  RecordedPlatform platform;
  RunMinute(clock, 23, 59);
  std::vector<std::string> expected = {kEnumCall, "hangup 1", "hangup 2", "sleep 2000"};
  expected.insert(expected.end(), kNtShutdown.begin(), kNtShutdown.end());
  EXPECT_EQ(expected, calls);

  // No file, no events.
  DeleteFileA((folder.DataDir() + "ZENTICK.evt").c_str());
  calls.clear();
  EventTime lastMinute = {12, 31, 23, 59};
  EXPECT_EQ(0, RunDueEvents(&theApp, NULL, &lastMinute));
  EXPECT_TRUE(calls.empty());
}

TEST(EventActions, ShutdownFlagsForEachSystemFamily) {
  RecordedPlatform platform;
  // Normal and forced alike close programs without asking on the NT family.
  for (int forced = 0; forced <= 1; forced++) {
    calls.clear();
    EXPECT_EQ(1, ShutdownSystem(forced));
    EXPECT_EQ(kNtShutdown, calls);
  }
  tokenOpens = FALSE;
  calls.clear();
  EXPECT_EQ(1, ShutdownSystem(1));
  EXPECT_EQ((std::vector<std::string>{"version 148", "token self 0x28"}), calls);

  platformId = VER_PLATFORM_WIN32_WINDOWS;
  calls.clear();
  ShutdownSystem(0);
  ShutdownSystem(1);
  EXPECT_EQ((std::vector<std::string>{"version 148", "exit 9 0", "version 148", "exit 13 0"}),
            calls);
}

TEST(EventActions, HangUpStopsAtTheFirstFailureAndKeepsToEightConnections) {
  RecordedPlatform platform;
  connectionCount = 0;
  EXPECT_EQ(1, HangUpDialUp());
  EXPECT_EQ((std::vector<std::string>{kEnumCall}), calls);

  connectionCount = 3;
  failingHangUp = 2;
  calls.clear();
  EXPECT_EQ(0, HangUpDialUp());
  EXPECT_EQ((std::vector<std::string>{kEnumCall, "hangup 1", "hangup 2"}), calls);

  // A count beyond the list's room is not followed past it.
  connectionCount = 50;
  failingHangUp = 0;
  calls.clear();
  EXPECT_EQ(1, HangUpDialUp());
  EXPECT_EQ(9u, calls.size());
  EXPECT_EQ("hangup 8", calls.back());

  enumResult = 603;  // ERROR_BUFFER_TOO_SMALL
  calls.clear();
  EXPECT_EQ(0, HangUpDialUp());
  EXPECT_EQ(1u, calls.size());
}

}  // namespace

namespace {

TEST(EventStore, AppendStartsANewLineAndDeleteTakesOnlyItsLine) {
  TempDataFolder folder;
  std::string path = folder.DataDir() + "ZENTICK.evt";
  EXPECT_EQ(0, DeleteEventLine(path.c_str(), 0));  // no file: nothing to do
  EXPECT_EQ(1, AppendEventLine(path.c_str(), "1,2,3,4,1,a,\n", 13));
  folder.WriteDataFile("ZENTICK.evt", "0,0,1,1,1,edited by hand");
  EXPECT_EQ(1, AppendEventLine(path.c_str(), "1,2,3,4,1,a,\n", 13));
  EXPECT_EQ("0,0,1,1,1,edited by hand\n1,2,3,4,1,a,\n", folder.ReadDataFile("ZENTICK.evt"));
  EXPECT_EQ(0, DeleteEventLine(path.c_str(), 2));
  EXPECT_EQ(1, DeleteEventLine(path.c_str(), 0));
  EXPECT_EQ("1,2,3,4,1,a,\n", folder.ReadDataFile("ZENTICK.evt"));
}

}  // namespace
