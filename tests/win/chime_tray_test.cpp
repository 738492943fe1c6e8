// The hourly chime through the clock seam, and the notification-area icon.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/globals.h"
#include "app/sound.h"
#include "app_harness.h"

namespace {

struct Played {
  std::string name;
  DWORD flags;
};
std::vector<Played> played;

BOOL WINAPI RecordSound(LPCSTR name, HMODULE, DWORD flags) {
  played.push_back({name, flags});
  return TRUE;
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
  SendMessageA(clock.Window(), WM_COMMAND, 40043, 0);
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

TEST(Tray, ResidentToggleAddsAndRemovesTheIconAndExitRemovesIt) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  HWND w = clock.Window();
  EXPECT_FALSE(TrayIconShown(w, 0));
  SendMessageA(w, WM_COMMAND, 40048, 0);
  EXPECT_TRUE(TrayIconShown(w, 0));
  EXPECT_EQ(1, theTray.added);
  EXPECT_EQ("1", folder.IniValue("EXT", "TRAY"));
  SendMessageA(w, WM_COMMAND, 40048, 0);
  EXPECT_FALSE(TrayIconShown(w, 0));
  EXPECT_EQ("0", folder.IniValue("EXT", "TRAY"));
  // Removing an icon that is not there does nothing.
  theTray.Remove(w);
  EXPECT_EQ(0, theTray.added);
  SendMessageA(w, WM_COMMAND, 40048, 0);
  DestroyWindow(w);
  EXPECT_FALSE(TrayIconShown(w, 0));
  EXPECT_EQ(0, theTray.added);
}

TEST(Tray, EndResidencyShowsTheClockAndClearsTheSetting) {
  TempDataFolder folder;
  folder.WriteIni("[EXT]\r\nTRAY=1\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  HWND w = clock.Window();
  ASSERT_TRUE(TrayIconShown(w, 0));
  SendMessageA(w, WM_COMMAND, 40047, 0);
  ASSERT_FALSE(IsWindowVisible(w));
  SendMessageA(w, WM_COMMAND, 40050, 0);
  EXPECT_FALSE(TrayIconShown(w, 0));
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_EQ(0, theApp.tray);
  EXPECT_EQ("0", folder.IniValue("EXT", "TRAY"));
}

}  // namespace
