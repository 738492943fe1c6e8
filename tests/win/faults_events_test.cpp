// The event file under faults: cut at every length, a thousand lines, and
// a data folder that cannot be written. Hang-up and shutdown go to
// recorders; message boxes are answered at once.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "platform/dial_up.h"
#include "shell/globals.h"
#include "events/event_platform.h"
#include "events/event_runner.h"
#include "win_support.h"

namespace {

int hangUps, shutdowns;

DWORD WINAPI NoConnections(LPRASCONNA, LPDWORD, LPDWORD count) {
  hangUps++;
  *count = 0;
  return 0;
}
DWORD WINAPI NoHangUp(HRASCONN) { return 0; }
BOOL WINAPI NtVersion(LPOSVERSIONINFOA v) {
  v->dwPlatformId = VER_PLATFORM_WIN32_NT;
  return TRUE;
}
BOOL WINAPI NoToken(HANDLE, DWORD, PHANDLE token) {
  *token = NULL;
  return FALSE;
}
BOOL WINAPI NoLookup(LPCSTR, LPCSTR, PLUID) { return FALSE; }
BOOL WINAPI NoAdjust(HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD) {
  return FALSE;
}
BOOL WINAPI CountExit(UINT, DWORD) {
  shutdowns++;
  return TRUE;
}
BOOL WINAPI NoClose(HANDLE) { return TRUE; }
void WINAPI NoSleep(DWORD) {}

// Nothing is hung up or shut down while it lives; calls are counted.
struct RecordedActions {
  EventPlatform saved = eventPlatform;
  DialUpSeam savedDialUp = dialUpSeam;
  MessageBoxCatcher boxes;
  RecordedActions() {
    eventPlatform = {NtVersion, NoToken, NoLookup, NoAdjust, CountExit, NoClose, NoSleep};
    dialUpSeam = {NoConnections, NoHangUp};
    hangUps = shutdowns = 0;
  }
  ~RecordedActions() {
    eventPlatform = saved;
    dialUpSeam = savedDialUp;
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& b : boxes.boxes) texts.push_back(b.text);
    return texts;
  }
};

const EventTime kNow = {12, 1, 9, 0};  // 1 December, 9:00

struct Line {
  const char* text;
  bool due, oneShot;
  const char* message;  // for a due message line
};

const Line kLines[] = {
    {"0,0,9,0,1,daily,\n", true, false, "daily"},
    {"12,1,9,0,1,once,\n", true, true, "once"},
    {"0,0,10,0,1,later,\n", false, false, nullptr},
    {"12,1,9,0,2,ダイアルアップの切断,\n", true, true, nullptr},
    {"11,1,9,0,1,other month,\n", false, true, nullptr},
    {"0,1,9,0,1,monthly,\n", true, false, "monthly"},
    {"12,1,9,0,1,last,\n", true, true, "last"},
};

// Bytes of a line up to and including the comma ending its fifth field.
size_t FiveFieldsLength(const char* line) {
  const char* p = line;
  for (int commas = 0; commas < 5; p++)
    if (*p == ',') commas++;
  return p - line;
}

TEST(FaultEvents, FileCutAtEveryLengthRunsWholeFieldsAndKeepsTheRest) {
  TempDataFolder folder;
  theApp.Load(folder.ExePath().c_str());
  std::string whole;
  for (const Line& l : kLines) whole += l.text;
  for (size_t length = 0; length <= whole.size(); length++) {
    SCOPED_TRACE(length);
    std::string cut = whole.substr(0, length);
    folder.WriteDataFile("ZENTICK.evt", cut);
    // What must happen: a line runs when its six fields are there (its
    // text cut where the file ends); fired one-shot lines go.
    std::vector<std::string> messages;
    std::string kept;
    int hangUpLines = 0;
    size_t at = 0;
    for (const Line& l : kLines) {
      if (at >= length) break;
      size_t size = strlen(l.text), present = length - at < size ? length - at : size;
      std::string part = cut.substr(at, present);
      at += size;
      bool fires = l.due && present > FiveFieldsLength(l.text);
      if (!fires || !l.oneShot) kept += part;
      if (!fires) continue;
      if (l.message) {
        std::string text = part.substr(FiveFieldsLength(l.text));
        messages.push_back(text.substr(0, text.find(',')));
      } else {
        hangUpLines++;
      }
    }
    RecordedActions actions;
    EXPECT_EQ(1, RunDueEvents(&theApp, NULL, &kNow));
    EXPECT_EQ(messages, actions.Messages());
    EXPECT_EQ(hangUpLines ? 1 : 0, hangUps);
    EXPECT_EQ(0, shutdowns);
    ASSERT_EQ(kept, folder.ReadDataFile("ZENTICK.evt"));
  }
}

TEST(FaultEvents, ThousandLinesRunInFileOrderAndOnlyFiredOneShotsLeave) {
  TempDataFolder folder;
  theApp.Load(folder.ExePath().c_str());
  std::string file, kept;
  std::vector<std::string> expected, repeating;
  for (int i = 0; i < 1000; i++) {
    char line[96];
    int kind = i % 10;
    // One in a hundred fires once, one in a hundred every day; the rest
    // wait for other minutes, hours, days or months.
    bool once = i % 100 == 0, daily = i % 100 == 55;
    if (once) snprintf(line, sizeof line, "12,1,9,0,1,once %d,\n", i);
    else if (daily) snprintf(line, sizeof line, "0,0,9,0,1,daily %d,\n", i);
    else snprintf(line, sizeof line, "%d,%d,%d,%d,1,waits %d,\n", kind % 3 == 0 ? 0 : 11,
                  kind % 2, 8 + kind % 3 * 2, kind, i);
    file += line;
    if (!once) kept += line;
    if (once || daily) {
      std::string message = strstr(line, once ? "once" : "daily");
      message.resize(message.size() - 2);
      expected.push_back(message);
      if (daily) repeating.push_back(message);
    }
  }
  folder.WriteDataFile("ZENTICK.evt", file);
  RecordedActions actions;
  EXPECT_EQ(1, RunDueEvents(&theApp, NULL, &kNow));
  EXPECT_EQ(expected, actions.Messages());
  EXPECT_EQ(kept, folder.ReadDataFile("ZENTICK.evt"));

  // Run again at the same minute: only the repeating ones.
  actions.boxes.boxes.clear();
  RunDueEvents(&theApp, NULL, &kNow);
  EXPECT_EQ(repeating, actions.Messages());
  EXPECT_EQ(kept, folder.ReadDataFile("ZENTICK.evt"));

  // A minute with nothing due.
  EventTime later = kNow;
  later.minute = 1;
  RunDueEvents(&theApp, NULL, &later);
  EXPECT_EQ(repeating.size(), actions.boxes.boxes.size());
}

// A one-shot line that cannot leave the file would run again next year:
// it does not run, the user is told once, the repeating ones run.
TEST(FaultEvents, ReadOnlyDataFolderRunsOnlyTheRepeatingEventsAndSaysWhy) {
  std::string stage = BuildPath("readonly\\stage") + "\\";
  std::string root = BuildPath("readonly\\clock") + "\\";
  std::string file = "12,1,9,0,1,once,\n0,0,9,0,1,daily,\n12,1,9,0,3,OSのシャットダウン,\n";
  ASSERT_TRUE(WriteFileBytes(stage + "ZENTICK.evt", file));
  theApp.Load((root + "Zentick.exe").c_str());
  RecordedActions actions;
  EXPECT_EQ(1, RunDueEvents(&theApp, NULL, &kNow));
  std::vector<std::string> expected = {
      "イベントファイル「" + root + "data\\ZENTICK.evt」を書き換えられないため、"
      "一度だけのイベントを実行しませんでした。",
      "daily"};
  EXPECT_EQ(expected, actions.Messages());
  EXPECT_EQ("エラー", actions.boxes.boxes.at(0).caption);
  EXPECT_EQ(0, shutdowns);
  EXPECT_EQ(file, ReadFileBytes(root + "data\\ZENTICK.evt"));
}

}  // namespace
