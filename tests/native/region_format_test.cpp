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
  uint32_t bytes = 0;
  ASSERT_EQ(REGION_OK, PrepareRegionBlock(file.data() + 16, h.dataSize, &bytes));
  EXPECT_EQ(32u + 2 * REGION_RECT_SIZE, bytes);  // one run in each of rows 1 and 2
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

TEST(RegionFile, LooseBlocksGiveTheRectanglesWhollyPresent) {
  std::vector<unsigned char> file = SquareFile();
  const std::vector<unsigned char> block(file.begin() + 16, file.end());
  struct Case {
    const char* what;
    size_t at, length;
    unsigned char value;
    int result;
    uint32_t count;
  } cases[] = {
      {"as written", 0, block.size(), 32, REGION_OK, 2},
      {"cut inside the second rectangle", 0, block.size() - 1, 32, REGION_OK, 1},
      {"more claimed than present", 8, block.size(), 3, REGION_OK, 2},
      {"fewer claimed than present", 8, block.size(), 1, REGION_OK, 1},
      {"list size left zero", 12, block.size(), 0, REGION_OK, 2},
      {"count far beyond the block", 11, block.size(), 0xFF, REGION_OK, 2},
      {"no whole rectangle", 0, 32 + 15, 32, REGION_BAD_FORMAT, 0},
      {"not a rectangle list", 4, block.size(), 2, REGION_BAD_FORMAT, 0},
      {"another header size", 0, block.size(), 40, REGION_BAD_FORMAT, 0},
  };
  for (const Case& c : cases) {
    std::vector<unsigned char> b = block;
    b[c.at] = c.value;
    uint32_t bytes = 0;
    EXPECT_EQ(c.result, PrepareRegionBlock(b.data(), c.length, &bytes)) << c.what;
    if (c.result != REGION_OK) continue;
    EXPECT_EQ(32 + 16 * c.count, bytes) << c.what;
    EXPECT_EQ(c.count, b[8]) << c.what;  // what the platform is told
    EXPECT_EQ(16 * c.count, b[12]) << c.what;
  }
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

bool Nowhere(int, int, const void*) { return false; }
bool Everywhere(int, int, const void*) { return true; }
bool EveryOtherColumn(int x, int, const void*) { return x % 2 == 0; }

TEST(RegionFile, MadeOnlyWhenTheLoaderTakesItBack) {
  static unsigned char file[REGION_MAX_FILE];
  struct {
    const char* what;
    int width, height;
    PixelTest inside;
    bool made;
  } cases[] = {
      {"no pixel inside", 8, 8, Nowhere, false},
      {"a side beyond the size field", REGION_MAX_SIDE + 1, 1, Everywhere, false},
      {"as many runs as a file holds", 2 * REGION_MAX_RECTS - 1, 1, EveryOtherColumn, true},
      {"one run more", 2 * REGION_MAX_RECTS + 1, 1, EveryOtherColumn, false},
  };
  for (const auto& c : cases) {
    size_t length = MakeRegionFile(c.width, c.height, c.inside, nullptr, file);
    ASSERT_EQ(c.made, length > 0) << c.what;
    if (!c.made) continue;
    RegionHeader h;
    ASSERT_EQ(REGION_OK, ParseRegionHeader(file, length, &h)) << c.what;
    uint32_t bytes = 0;
    ASSERT_EQ(REGION_OK, PrepareRegionBlock(file + 16, h.dataSize, &bytes)) << c.what;
    EXPECT_EQ(length - 16, bytes) << c.what;
  }
}

}  // namespace
