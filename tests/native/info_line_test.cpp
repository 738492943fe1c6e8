// The information line's texts and the processor-usage figure.
#include "face/info_line.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

namespace {

struct Shown {
  std::string text;
  int x;
  int length;
};

Shown Show(int mode, const InfoValues& v, size_t size = INFO_TEXT_SIZE) {
  char text[INFO_TEXT_SIZE];
  memset(text, '#', sizeof text);
  Shown s;
  s.length = FormatInfoText(mode, &v, text, size, &s.x);
  s.text = text;
  return s;
}

TEST(InfoLine, EachModeHasItsPaddingAndItsPlace) {
  InfoValues v = {1, 5, 9, 5, 3, 7, 0, 45};
  v.availableBytes = (uint64_t)(117.7 * 1048576);
  EXPECT_EQ(" 1月 5日", Show(INFO_DATE, v).text);
  EXPECT_EQ(72, Show(INFO_DATE, v).x);
  EXPECT_EQ("09:05:03", Show(INFO_TIME, v).text);
  EXPECT_EQ("CPU:  7%", Show(INFO_CPU, v).text);
  EXPECT_EQ(72, Show(INFO_CPU, v).x);
  EXPECT_EQ("    117MB", Show(INFO_FREE_MEMORY, v).text);
  EXPECT_EQ(68, Show(INFO_FREE_MEMORY, v).x);
  EXPECT_EQ("LOAD: 45%", Show(INFO_MEMORY_LOAD, v).text);
  EXPECT_EQ(68, Show(INFO_MEMORY_LOAD, v).x);
  EXPECT_EQ(9, Show(INFO_MEMORY_LOAD, v).length);
  v.month = 12;
  v.day = 31;
  EXPECT_EQ("12月31日", Show(INFO_DATE, v).text);
}

TEST(InfoLine, FreeMemoryAboveTwoGibibytesShowsAsItIs) {
  InfoValues v = {};
  v.availableBytes = 6ull << 30;
  EXPECT_EQ("   6144MB", Show(INFO_FREE_MEMORY, v).text);
  v.availableBytes = 3ull << 30;
  EXPECT_EQ("   3072MB", Show(INFO_FREE_MEMORY, v).text);
}

TEST(InfoLine, ModesWithoutTextGiveAnEmptyLineAndSmallBuffersStayBounded) {
  InfoValues v = {11, 30, 23, 59, 59, 100, ~0ull, 100};
  for (int mode : {0, 6, -1, 1000}) {
    Shown s = Show(mode, v);
    EXPECT_EQ("", s.text) << mode;
    EXPECT_EQ(0, s.length) << mode;
  }
  Shown cut = Show(INFO_TIME, v, 4);
  EXPECT_EQ("23:", cut.text);
  EXPECT_EQ(3, cut.length);
  EXPECT_LT(Show(INFO_FREE_MEMORY, v).length, INFO_TEXT_SIZE);
}

TEST(InfoLine, ProcessorUsageIsTheBusyShareBetweenTwoSamples) {
  CpuTimes a = {1000, 3000, 500};  // kernel includes the idle time
  CpuTimes b = {1900, 4000, 600};  // 1100 passed, 900 of them idle
  EXPECT_EQ(18, CpuPercentBetween(&a, &b));
  CpuTimes busy = {1000, 3500, 1000};
  EXPECT_EQ(100, CpuPercentBetween(&a, &busy));
  CpuTimes idle = {1500, 3500, 500};
  EXPECT_EQ(0, CpuPercentBetween(&a, &idle));
  // No time between the samples, or counters that went back: no figure.
  EXPECT_EQ(-1, CpuPercentBetween(&a, &a));
  CpuTimes back = {900, 3500, 600};
  EXPECT_EQ(-1, CpuPercentBetween(&a, &back));
  // Idle beyond the total (counters sampled out of step) is not negative.
  CpuTimes odd = {2000, 3100, 500};
  EXPECT_EQ(0, CpuPercentBetween(&a, &odd));
}

}  // namespace
