// The figures, placement and file rewrites work both with the newer
// system calls and, with those taken away, the way older systems go.
#include <gtest/gtest.h>

#include "shell/globals.h"
#include "shell/placement.h"
#include "app_harness.h"
#include "face/info_stats.h"
#include "platform/file_replace.h"
#include "platform/newer_calls.h"

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
  LoadWindowPosition(&theApp, &p);
  EXPECT_EQ(100, p.x);
  EXPECT_EQ(120, p.y);
  theApp.WriteSettingInt("WINDOW", "POSX", 5000);
  LoadWindowPosition(&theApp, &p);
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

}  // namespace
