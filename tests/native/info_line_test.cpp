// The information line's texts and the processor-usage figure.
#include "face/info_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Show(int mode, const InfoValues& v, int* x = nullptr, size_t size = INFO_TEXT_SIZE) {
  char text[INFO_TEXT_SIZE] = "#";
  int at = 0;
  int length = FormatInfoText(mode, &v, text, size, &at);
  EXPECT_EQ(strlen(text), (size_t)length);
  if (x) *x = at;
  return text;
}

TEST(InfoLine, EachModeHasItsPaddingAndItsPlace) {
  InfoValues v = {1, 5, 9, 5, 3, 7, (uint64_t)(117.7 * 1048576), 45};
  int x;
  EXPECT_EQ(" 1月 5日", Show(INFO_DATE, v, &x));
  EXPECT_EQ(72, x);
  EXPECT_EQ("09:05:03", Show(INFO_TIME, v));
  EXPECT_EQ("CPU:  7%", Show(INFO_CPU, v));
  EXPECT_EQ("    117MB", Show(INFO_FREE_MEMORY, v, &x));
  EXPECT_EQ(68, x);
  EXPECT_EQ("LOAD: 45%", Show(INFO_MEMORY_LOAD, v, &x));
  EXPECT_EQ(68, x);
  v.availableBytes = 6ull << 30;  // above 2 GiB, shown as it is
  EXPECT_EQ("   6144MB", Show(INFO_FREE_MEMORY, v));
  for (int mode : {0, 6, -1}) EXPECT_EQ("", Show(mode, v)) << mode;
  EXPECT_EQ("09:", Show(INFO_TIME, v, nullptr, 4));
}

TEST(InfoLine, ProcessorUsageIsTheBusyShareBetweenTwoSamples) {
  CpuTimes a = {1000, 3000, 500};  // kernel time includes idle time
  CpuTimes b = {1900, 4000, 600};  // 1100 passed, 900 of them idle
  EXPECT_EQ(18, CpuPercentBetween(&a, &b));
  CpuTimes busy = {1000, 3500, 1000}, idle = {1500, 3500, 500}, odd = {2000, 3100, 500};
  EXPECT_EQ(100, CpuPercentBetween(&a, &busy));
  EXPECT_EQ(0, CpuPercentBetween(&a, &idle));
  EXPECT_EQ(0, CpuPercentBetween(&a, &odd));  // idle beyond the total
  // No time between the samples, or counters that went back: no figure.
  EXPECT_EQ(-1, CpuPercentBetween(&a, &a));
  EXPECT_EQ(-1, CpuPercentBetween(&b, &a));
}

}  // namespace
