#include "face/region_format.h"

#include <gtest/gtest.h>
#include <string.h>

#include <vector>

namespace {

bool InsideSquare(int x, int y, const void*) { return x >= 2 && x < 5 && y >= 1 && y < 3; }

std::vector<unsigned char> SquareFile() {
  RegionRect rects[8];
  size_t n = BuildRegionRects(8, 4, InsideSquare, nullptr, rects, 8);
  std::vector<unsigned char> file(RegionFileSize(n));
  FormatRegionFile(rects, n, 8, 4, file.data());
  return file;
}

TEST(RegionFile, MadeFileReadsBack) {
  std::vector<unsigned char> file = SquareFile();
  RegionHeader h;
  ASSERT_EQ(REGION_OK, ParseRegionHeader(file.data(), file.size(), &h));
  EXPECT_EQ(8, h.shape.width);
  EXPECT_EQ(4, h.shape.height);
  ASSERT_EQ(file.size() - REGION_HEADER_SIZE, (size_t)h.dataSize);
  uint32_t rectBytes = 0;
  ASSERT_EQ(REGION_OK, CheckRegionBlock(file.data() + 16, h.dataSize, &rectBytes));
  EXPECT_EQ(2u * REGION_RECT_SIZE, rectBytes);  // one run in each of rows 1 and 2
  const unsigned char* first = file.data() + 16 + 32;
  EXPECT_EQ(2, first[0]);   // left
  EXPECT_EQ(1, first[4]);   // top
  EXPECT_EQ(5, first[8]);   // right, exclusive
  EXPECT_EQ(2, first[12]);  // bottom, exclusive
}

TEST(RegionFile, HeaderFaultsGiveTheirMessages) {
  std::vector<unsigned char> file = SquareFile();
  RegionHeader h;
  std::vector<unsigned char> bad = file;
  bad[3] = 1;  // "RGN" but not followed by a zero byte
  EXPECT_EQ(REGION_BAD_MAGIC, ParseRegionHeader(bad.data(), bad.size(), &h));
  EXPECT_EQ(REGION_BAD_MAGIC, ParseRegionHeader(file.data(), 3, &h));
  EXPECT_EQ(REGION_BAD_FORMAT, ParseRegionHeader(file.data(), 11, &h));

  struct { int offset; int16_t value; RegionCheck expected; } cases[] = {
      {8, 0, REGION_BAD_FORMAT},  {10, 0, REGION_BAD_FORMAT}, {6, 0, REGION_BAD_FORMAT},
      {8, -200, REGION_BAD_FORMAT}, {10, -1, REGION_BAD_FORMAT}, {6, -4, REGION_BAD_SIZE},
  };
  for (auto& c : cases) {
    bad = file;
    bad[c.offset] = (unsigned char)(c.value & 0xFF);
    bad[c.offset + 1] = (unsigned char)((c.value >> 8) & 0xFF);
    EXPECT_EQ(c.expected, ParseRegionHeader(bad.data(), bad.size(), &h)) << c.offset;
  }
}

TEST(RegionFile, BlockThatDisagreesWithItsSizesIsRejected) {
  std::vector<unsigned char> file = SquareFile();
  unsigned char* block = file.data() + 16;
  size_t size = file.size() - 16;
  uint32_t bytes;
  EXPECT_EQ(REGION_BAD_FORMAT, CheckRegionBlock(block, size - 1, &bytes));  // short block
  EXPECT_EQ(REGION_BAD_FORMAT, CheckRegionBlock(block, 20, &bytes));

  std::vector<unsigned char> bad(block, block + size);
  bad[8] = 3;  // three rectangles claimed, two present
  EXPECT_EQ(REGION_BAD_FORMAT, CheckRegionBlock(bad.data(), bad.size(), &bytes));
  bad.assign(block, block + size);
  bad[12] = 16;  // list size says one rectangle, count says two
  EXPECT_EQ(REGION_BAD_FORMAT, CheckRegionBlock(bad.data(), bad.size(), &bytes));
  bad.assign(block, block + size);
  bad[4] = 2;  // not a rectangle list
  EXPECT_EQ(REGION_BAD_FORMAT, CheckRegionBlock(bad.data(), bad.size(), &bytes));
  bad.assign(block, block + size);
  bad[8] = 0xFF, bad[9] = 0xFF, bad[10] = 0xFF, bad[11] = 0x0F;  // count whose size overflows
  EXPECT_EQ(REGION_BAD_FORMAT, CheckRegionBlock(bad.data(), bad.size(), &bytes));
}

bool InsideDisc(int x, int y, const void*) {
  double dx = x + 0.5 - 100, dy = y + 0.5 - 100;
  return dx * dx + dy * dy <= 100.0 * 100.0;
}

TEST(RegionFile, DiscIsOneRunPerRowAndFitsTheSizeField) {
  RegionRect rects[400];
  size_t n = BuildRegionRects(200, 200, InsideDisc, nullptr, rects, 400);
  ASSERT_EQ(200u, n);
  EXPECT_EQ(0, rects[100].left);
  EXPECT_EQ(200, rects[100].right);
  EXPECT_GT(rects[0].left, 80);
  EXPECT_LT(RegionFileSize(n) - 16, 32768u);
  // A list that would not fit the caller's array stops at its end.
  EXPECT_EQ(7u, BuildRegionRects(200, 200, InsideDisc, nullptr, rects, 7));
}

}  // namespace
