// Large data: a thousand skins in the data folder.
#include <gtest/gtest.h>

#include <stdio.h>

#include "shell/globals.h"
#include "app_harness.h"
#include "skin_support.h"
#include "res/resource.h"

namespace {

const int kSkins = 1000;

COLORREF SkinColour(int i) { return RGB(i % 256, 20 + 50 * (i / 256), 90); }

std::string SkinName(int i) {
  char name[16];
  snprintf(name, sizeof name, "s%04d.qkb", i);
  return name;
}

std::string SkinTitle(int i) {
  char title[32];
  snprintf(title, sizeof title, "スキン%04d", i);
  return title;
}

double Milliseconds(LARGE_INTEGER from) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * (now.QuadPart - from.QuadPart) / frequency.QuadPart;
}

struct Listing {
  LARGE_INTEGER start;
  double openedMs;
  std::vector<std::vector<std::string>> rows;
};

void ReadList(HWND dialog, void* context) {
  Listing* listing = (Listing*)context;
  listing->openedMs = Milliseconds(listing->start);
  listing->rows = ListViewRows(GetDlgItem(dialog, IDC_SKIN_LIST), 3);
}

// The skin number of a file name "sNNNN.qkb".
int NumberOf(const std::string& name) { return atoi(name.c_str() + 1); }

TEST(FaultScale, ThousandSkinsAreListedAndEachChangeFindsItsFile) {
  TempDataFolder folder;
  for (int i = 0; i < kSkins; i++)
    folder.WriteDataFile(SkinName(i).c_str(),
                         OneBitSkinFile(SkinTitle(i).c_str(), "作者", SkinColour(i)));
  folder.WriteIni("[IMAGE]\r\nLAST_NUM=0\r\n");
  std::vector<std::string> order = SearchOrder(folder.DataDir(), "qkb");
  ASSERT_EQ((size_t)kSkins, order.size());
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());

  Listing listing;
  QueryPerformanceCounter(&listing.start);
  ASSERT_TRUE(RunDialog(clock.Window(), IDM_BACKGROUND, "背景の設定", ReadList, &listing));
  ASSERT_EQ((size_t)kSkins, listing.rows.size());
  for (int i = 0; i < kSkins; i++) {
    ASSERT_EQ(order[i], listing.rows[i][2]);
    ASSERT_EQ(SkinTitle(NumberOf(order[i])), listing.rows[i][0]);
  }
  printf("background dialog with %d skins: open and listed in %.0f ms\n", kSkins,
         listing.openedMs);

  const struct {
    const char* name;
    WPARAM key;
    int expectIndex;  // -1: any
  } changes[] = {{"Page Up", VK_PRIOR, 1}, {"End", VK_END, kSkins - 1},
                 {"Page Up", VK_PRIOR, 0}, {"random", VK_INSERT, -1},
                 {"Page Down", VK_NEXT, -1}, {"Home", VK_HOME, 0}};
  for (const auto& c : changes) {
    SCOPED_TRACE(c.name);
    int previous = theApp.ReadSettingInt(Setting::skinIndex);
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    SendMessageA(clock.Window(), WM_KEYDOWN, c.key, 0);
    double ms = Milliseconds(start);
    SendMessageA(clock.Window(), WM_KEYUP, c.key, 0);
    int index = theApp.ReadSettingInt(Setting::skinIndex);
    printf("%-9s skin %d -> %d among %d: %.1f ms\n", c.name, previous, index, kSkins, ms);
    int expected = c.key == VK_NEXT ? (previous + kSkins - 1) % kSkins : c.expectIndex;
    if (expected >= 0) {
      EXPECT_EQ(expected, index);
    }
    ASSERT_GE(index, 0);
    ASSERT_LT(index, kSkins);
    EXPECT_EQ(order[index], folder.IniValue("IMAGE", "FILE"));
    EXPECT_EQ(SkinColour(NumberOf(order[index])), GetPixel(theClock.memoryDC, 202, 2));
  }
}

}  // namespace
