// The hourly chime through the clock seam.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/globals.h"
#include "settings/sound.h"
#include "app_harness.h"
#include "res/resource.h"

namespace {

struct Played {
  std::string name;
  DWORD flags;
};
std::vector<Played> played;

int RecordSound(const char* name, DWORD flags) {
  played.push_back({name, flags});
  return 1;
}

TEST(Chime, SoundsOnceAtTheTopOfTheHourOnlyWhenSet) {
  TempDataFolder folder;
  folder.WriteIni("[EXT]\r\nSOUND=1\r\nSOUNDFILE=C:\\chime\\hour.wav\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  PlayWaveFile = RecordSound;
  clock.TickAt(12, 58, 0);  // a minute boundary that is not the hour
  clock.TickAt(12, 59, 59);
  EXPECT_TRUE(played.empty());
  clock.TickAt(13, 0, 0);
  clock.Tick();  // the same second again
  clock.TickAt(13, 0, 1);
  ASSERT_EQ(1u, played.size());
  EXPECT_EQ("C:\\chime\\hour.wav", played[0].name);
  EXPECT_EQ((DWORD)(SND_FILENAME | SND_ASYNC | SND_NOWAIT), played[0].flags);
  // Switched off through its command: silent on the next hour.
  SendMessageA(clock.Window(), WM_COMMAND, IDM_CHIME, 0);
  EXPECT_EQ("0", folder.IniValue("EXT", "SOUND"));
  clock.TickAt(14, 0, 0);
  EXPECT_EQ(1u, played.size());
}

TEST(Chime, WithNoFileChosenTheDefaultSoundIsAskedFor) {
  TempDataFolder folder;
  folder.WriteIni("[EXT]\r\nSOUND=1\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  PlayWaveFile = RecordSound;
  clock.TickAt(9, 0, 0);
  ASSERT_EQ(1u, played.size());
  EXPECT_EQ("", played[0].name);
  // Not suppressing the default sound is what makes the platform play it.
  EXPECT_EQ(0u, played[0].flags & SND_NODEFAULT);
}

}  // namespace
