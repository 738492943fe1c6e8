// The data files the clock rewrites: two processes on one folder take
// turns, and a folder too deep for them is said once and left alone.
#include <gtest/gtest.h>

#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

#include "events/event_dialog.h"
#include "events/event_runner.h"
#include "events/event_store.h"
#include "mail/mail_check.h"
#include "mail/mail_dialogs.h"
#include "shell/globals.h"
#include "win_support.h"

namespace {

const char kLockTest[] = "DataFiles.TwoProcessesRewritingOneFileLoseNoLineAndTearNone";
const int kLinesEach = 40;

std::string Environment(const char* name) {
  char value[MAX_PATH] = "";
  GetEnvironmentVariableA(name, value, sizeof value);
  return value;
}

std::string AddedLine(char tag, int i) {
  char line[32];
  snprintf(line, sizeof line, "0,0,0,0,1,%c%d,\n", tag, i);
  return line;
}

// One of the two processes: adds its lines one by one, and after each
// takes the first line of the file out, which rewrites the whole file.
void Hammer(const std::string& path, char tag) {
  HANDLE start = OpenEventA(SYNCHRONIZE, FALSE, Environment("ZT_HAMMER_START").c_str());
  ASSERT_NE(nullptr, start);
  WaitForSingleObject(start, 10000);
  CloseHandle(start);
  for (int i = 0; i < kLinesEach; i++) {
    std::string line = AddedLine(tag, i);
    ASSERT_EQ(1, AppendEventLine(path.c_str(), line.data(), line.size()));
    ASSERT_EQ(1, DeleteEventLine(path.c_str(), 0));
  }
}

HANDLE StartHammer(char tag) {
  char exe[MAX_PATH];
  GetModuleFileNameA(NULL, exe, sizeof exe);
  std::string command = std::string("\"") + exe + "\" --gtest_filter=" + kLockTest;
  char tagText[2] = {tag, 0};
  SetEnvironmentVariableA("ZT_HAMMER_TAG", tagText);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(exe, &command[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) return NULL;
  CloseHandle(pi.hThread);
  return pi.hProcess;
}

TEST(DataFiles, TwoProcessesRewritingOneFileLoseNoLineAndTearNone) {
  std::string child = Environment("ZT_HAMMER_FILE");
  if (!child.empty()) return Hammer(child, Environment("ZT_HAMMER_TAG")[0]);

  TempDataFolder folder;
  std::string path = folder.DataDir() + "ZENTICK.evt";
  // As many lines to take out as the two will take: each one they take is one of these.
  std::string fillers;
  for (int i = 0; i < 2 * kLinesEach; i++) fillers += "0,0,0,0,1,filler,\n";
  folder.WriteDataFile("ZENTICK.evt", fillers);
  char startName[64];
  snprintf(startName, sizeof startName, "ZtHammerStart%lu", GetCurrentProcessId());
  HANDLE start = CreateEventA(NULL, TRUE, FALSE, startName);
  SetEnvironmentVariableA("ZT_HAMMER_FILE", path.c_str());
  SetEnvironmentVariableA("ZT_HAMMER_START", startName);
  HANDLE hammers[2] = {StartHammer('a'), StartHammer('b')};
  SetEnvironmentVariableA("ZT_HAMMER_FILE", NULL);
  ASSERT_NE(nullptr, hammers[0]);
  ASSERT_NE(nullptr, hammers[1]);
  SetEvent(start);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForMultipleObjects(2, hammers, TRUE, 90000));
  for (HANDLE h : hammers) {
    DWORD code = 1;
    GetExitCodeProcess(h, &code);
    EXPECT_EQ(0u, code);
    CloseHandle(h);
  }
  CloseHandle(start);

  std::vector<std::string> lines, expected;
  std::string text = folder.ReadDataFile("ZENTICK.evt");
  for (size_t pos = 0; pos < text.size();) {
    size_t end = text.find('\n', pos);
    end = end == std::string::npos ? text.size() : end + 1;
    lines.push_back(text.substr(pos, end - pos));
    pos = end;
  }
  for (char tag : {'a', 'b'})
    for (int i = 0; i < kLinesEach; i++) expected.push_back(AddedLine(tag, i));
  std::sort(lines.begin(), lines.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(expected, lines);
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((path + ".lock").c_str()));
}

// Names in the folder other than "." and "..".
std::vector<std::string> FolderNames(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((folder + "*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(h, &found));
  FindClose(h);
  return names;
}

// ZENTICK.mld and ZENTICK.evt fit in the folder, the files beside them
// while they are rewritten would not.
TEST(DataFiles, AFolderTooDeepForTheFilesIsSaidOnceAndNothingIsWritten) {
  TempDataFolder folder;
  std::string exeDir = folder.Root() + std::string(240 - folder.Root().size() - 1, 'd') + "\\";
  ASSERT_TRUE(CreateDirectoryA(exeDir.c_str(), NULL));
  ASSERT_TRUE(CreateDirectoryA((exeDir + "data").c_str(), NULL));
  ASSERT_TRUE(theApp.Load((exeDir + "z.exe").c_str()));
  theApp.WriteSettingInt(Setting::mailOverLan, 1);
  char cwd[MAX_PATH];
  GetCurrentDirectoryA(sizeof cwd, cwd);
  std::vector<std::string> cwdBefore = FolderNames(std::string(cwd) + "\\");

  SYSTEMTIME now = {2026, 1, 4, 1, 0, 0, 0, 0};
  EventTime minute = {1, 1, 0, 0};
  MessageBoxCatcher boxes;
  for (int i = 0; i < 2; i++) {
    EXPECT_EQ(MAIL_CHECK_NO_FILE, StartMailCheck(&theApp, NULL));
    EXPECT_EQ(0, RunDueEvents(&theApp, NULL, &minute));
    MailSettingsDialog(NULL, &theApp);
    EventDialog(NULL, &theApp, &now);
  }
  ASSERT_EQ(2u, boxes.boxes.size());
  const char* what[] = {"アカウントファイル", "イベントファイル"};
  for (int i = 0; i < 2; i++) EXPECT_NE(std::string::npos, boxes.boxes[i].text.find(what[i]));
  EXPECT_EQ(std::vector<std::string>{"Zentick.ini"}, FolderNames(theApp.dataDir));
  EXPECT_EQ(cwdBefore, FolderNames(std::string(cwd) + "\\"));
}

}  // namespace
