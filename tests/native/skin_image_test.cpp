// The picture part of a skin file: what is taken from where, and what is
// refused before it could reach the renderer.
#include "face/skin_image.h"

#include <gtest/gtest.h>

#include <dirent.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

typedef std::vector<uint8_t> Bytes;

void Put32(Bytes* b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; i++) (*b)[at + i] = (uint8_t)(v >> (8 * i));
}
void Put16(Bytes* b, size_t at, uint16_t v) {
  (*b)[at] = (uint8_t)v;
  (*b)[at + 1] = (uint8_t)(v >> 8);
}

struct SkinSpec {
  uint16_t bits = 8;
  int32_t width = 200, height = 200;
  uint32_t compression = 0, clrUsed = 0, headerSize = 40;
  int pixelSlack = 0;  // bytes more (or fewer) than the rows need
  size_t textBytes = 12;
};

// A skin laid out as the skin tools write it: header, table, pixels, texts.
Bytes MakeSkin(const SkinSpec& s) {
  uint32_t table = s.bits < 16 ? 4u << s.bits : 0;
  uint32_t bitsOffset = 52 + table;
  uint32_t rows = SkinRowBytes(s.width, s.bits) * (uint32_t)(s.height < 0 ? -s.height : s.height);
  uint32_t textOffset = bitsOffset + rows + s.pixelSlack;
  Bytes b(textOffset + s.textBytes, 0);
  b[0] = 'Q';
  b[1] = 'K';
  Put32(&b, 4, textOffset);
  Put32(&b, 8, bitsOffset);
  Put32(&b, 12, s.headerSize);
  Put32(&b, 16, (uint32_t)s.width);
  Put32(&b, 20, (uint32_t)s.height);
  Put16(&b, 24, 1);
  Put16(&b, 26, s.bits);
  Put32(&b, 28, s.compression);
  Put32(&b, 44, s.clrUsed);
  for (uint32_t i = 0; i < table; i++) b[52 + i] = (uint8_t)(i * 7);
  return b;
}

int Parse(const Bytes& b, SkinImage* image) { return ParseSkinImage(b.data(), b.size(), image); }

TEST(SkinImage, EightBitsTakeTheWholeTableWhateverTheColourCountSays) {
  SkinSpec spec;
  spec.clrUsed = 16;
  Bytes b = MakeSkin(spec);
  SkinImage image;
  ASSERT_EQ(SKIN_OK, Parse(b, &image));
  EXPECT_EQ(52u, image.tableOffset);
  EXPECT_EQ(1024u, image.tableSize);
  EXPECT_EQ(52u + 1024u, image.bitsOffset);
  EXPECT_EQ(200u * 200u, image.bitsSize);
  // The renderer is told about the table that was read, not the claim.
  EXPECT_EQ(0u, image.info.clrUsed);
  EXPECT_EQ(40u, image.info.size);
  EXPECT_EQ(200 * 200u, image.info.sizeImage);
}

TEST(SkinImage, TableLengthFollowsTheDepthAndHighColourHasNone) {
  struct { uint16_t bits; uint32_t table, row; } cases[] = {
      {1, 8, 28}, {4, 64, 100}, {8, 1024, 200}, {16, 0, 400}, {24, 0, 600}, {32, 0, 800}};
  for (auto c : cases) {
    SkinSpec spec;
    spec.bits = c.bits;
    SkinImage image;
    ASSERT_EQ(SKIN_OK, Parse(MakeSkin(spec), &image)) << c.bits;
    EXPECT_EQ(c.table, image.tableSize) << c.bits;
    EXPECT_EQ(52 + c.table, image.bitsOffset) << c.bits;
    EXPECT_EQ(c.row * 200, image.bitsSize) << c.bits;
  }
}

TEST(SkinImage, PixelsComeFromTheirOwnOffsetAndMayRunLong) {
  SkinSpec spec;
  spec.bits = 24;
  spec.pixelSlack = 30;
  Bytes b = MakeSkin(spec);
  // Move the pixels 100 bytes further in.
  b.insert(b.begin() + 52, 100, 0xEE);
  Put32(&b, 4, 52 + 100 + 120000 + 30);
  Put32(&b, 8, 52 + 100);
  SkinImage image;
  ASSERT_EQ(SKIN_OK, Parse(b, &image));
  EXPECT_EQ(152u, image.bitsOffset);
  EXPECT_EQ(120030u, image.bitsSize);
}

TEST(SkinImage, RefusesWhatIsNotAPlainTwoHundredSquarePicture) {
  SkinImage image;
  Bytes bitmap = MakeSkin(SkinSpec());
  bitmap[0] = 'B';
  bitmap[1] = 'M';
  EXPECT_EQ(SKIN_NOT_SKIN, Parse(bitmap, &image));
  EXPECT_EQ(SKIN_NOT_SKIN, Parse(Bytes{'Q'}, &image));
  EXPECT_EQ(SKIN_TRUNCATED, Parse(Bytes{'Q', 'K', 0, 0, 0}, &image));

  struct { const char* what; SkinSpec spec; int result; } cases[] = {
      {"run-length", [] { SkinSpec s; s.compression = 1; return s; }(), SKIN_BAD_FORMAT},
      {"bit fields", [] { SkinSpec s; s.bits = 32; s.compression = 3; return s; }(),
       SKIN_BAD_FORMAT},
      {"two bits", [] { SkinSpec s; s.bits = 2; return s; }(), SKIN_BAD_FORMAT},
      {"no bits", [] { SkinSpec s; s.bits = 0; return s; }(), SKIN_BAD_FORMAT},
      {"core header", [] { SkinSpec s; s.headerSize = 12; return s; }(), SKIN_BAD_FORMAT},
      {"narrow", [] { SkinSpec s; s.width = 199; return s; }(), SKIN_BAD_SIZE},
      {"huge", [] { SkinSpec s; s.bits = 1; s.width = 200000; s.height = 1; return s; }(),
       SKIN_BAD_SIZE},
      {"top-down", [] { SkinSpec s; s.height = -200; return s; }(), SKIN_BAD_SIZE},
      {"one byte short", [] { SkinSpec s; s.pixelSlack = -1; return s; }(), SKIN_SHORT_PIXELS},
  };
  for (auto& c : cases) EXPECT_EQ(c.result, Parse(MakeSkin(c.spec), &image)) << c.what;
}

TEST(SkinImage, RefusesOffsetsThatPointOutsideTheFile) {
  SkinImage image;
  Bytes reversed = MakeSkin(SkinSpec());
  Put32(&reversed, 4, 10);  // text before pixels
  EXPECT_EQ(SKIN_SHORT_PIXELS, Parse(reversed, &image));

  Bytes cut = MakeSkin(SkinSpec());
  cut.resize(cut.size() - 13);  // the pixel block now runs past the end
  EXPECT_EQ(SKIN_TRUNCATED, Parse(cut, &image));

  Bytes tableCut = MakeSkin(SkinSpec());
  tableCut.resize(600);  // ends inside the colour table
  EXPECT_EQ(SKIN_TRUNCATED, Parse(tableCut, &image));

  Bytes wrapped = MakeSkin(SkinSpec());
  Put32(&wrapped, 4, 0xFFFFFFF0u);
  Put32(&wrapped, 8, 0xFFFFFF00u);
  EXPECT_EQ(SKIN_TRUNCATED, Parse(wrapped, &image));
}

TEST(SkinImage, EveryCorpusFileThatPassesStaysWithinItsBytes) {
  std::string dir = std::string(ZT_FUZZ_CORPUS) + "/skin_image_fuzz";
  DIR* d = opendir(dir.c_str());
  ASSERT_NE(nullptr, d);
  int files = 0, good = 0;
  while (dirent* e = readdir(d)) {
    if (e->d_name[0] == '.') continue;
    std::ifstream in(dir + "/" + e->d_name, std::ios::binary);
    Bytes b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SkinImage image;
    files++;
    if (Parse(b, &image) != SKIN_OK) continue;
    good++;
    EXPECT_LE(image.tableOffset + image.tableSize, b.size()) << e->d_name;
    EXPECT_LE((uint64_t)image.bitsOffset + image.bitsSize, b.size()) << e->d_name;
  }
  closedir(d);
  EXPECT_GT(files, 2);
  EXPECT_GT(good, 0);
}

}  // namespace
