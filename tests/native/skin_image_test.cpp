// The picture part of a skin file: what is taken from where, and what is
// refused before it could reach the renderer.
#include "face/skin_image.h"

#include "base/little_endian.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

typedef std::vector<uint8_t> Bytes;

void Put32(Bytes* b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; i++) (*b)[at + i] = (uint8_t)(v >> (8 * i));
}

// Header, full colour table, rows, then the skin's texts.
Bytes MakeSkin(uint16_t bits, uint32_t clrUsed = 0) {
  uint32_t bitsOffset = 52 + (bits < 16 ? 4u << bits : 0);
  uint32_t textOffset = bitsOffset + (uint32_t)DibRowBytes(200, bits) * 200;
  Bytes b(textOffset + 12, 0);
  b[0] = 'Q';
  b[1] = 'K';
  Put32(&b, 4, textOffset);
  Put32(&b, 8, bitsOffset);
  Put32(&b, 12, 40);
  Put32(&b, 16, 200);
  Put32(&b, 20, 200);
  Put32(&b, 24, 1 | (uint32_t)bits << 16);
  Put32(&b, 44, clrUsed);
  return b;
}

int Parse(const Bytes& b, SkinImage* image) { return ParseSkinImage(b.data(), b.size(), image); }

TEST(SkinImage, TheTableFollowsTheDepthWhateverTheColourCountSays) {
  struct { uint16_t bits; uint32_t table, row; } cases[] = {
      {1, 8, 28}, {4, 64, 100}, {8, 1024, 200}, {16, 0, 400}, {24, 0, 600}, {32, 0, 800}};
  for (auto c : cases) {
    SkinImage image;
    ASSERT_EQ(SKIN_OK, Parse(MakeSkin(c.bits, 2), &image)) << c.bits;
    EXPECT_EQ(52 + c.table, image.bitsOffset) << c.bits;
    EXPECT_EQ(c.row * 200, image.bitsSize) << c.bits;
    // The renderer is told of the table that was read, not the claim.
    EXPECT_EQ(40 + c.table, image.picture.infoSize);
    EXPECT_EQ(0u, ReadLe32(image.picture.info + 32));
    EXPECT_EQ(c.row * 200, ReadLe32(image.picture.info + 20));
    FreeSkinImage(&image);
  }
}

TEST(SkinImage, RefusesWhatCannotBeDrawnSafely) {
  struct Case {
    const char* what;
    std::function<void(Bytes*)> spoil;
    int result;
  } cases[] = {
      {"a bitmap file", [](Bytes* b) { (*b)[0] = 'B'; }, SKIN_NOT_SKIN},
      {"cut in the header", [](Bytes* b) { b->resize(40); }, SKIN_TRUNCATED},
      {"cut in the table", [](Bytes* b) { b->resize(600); }, SKIN_TRUNCATED},
      {"cut in the pixels", [](Bytes* b) { b->resize(b->size() - 13); }, SKIN_TRUNCATED},
      {"text before pixels", [](Bytes* b) { Put32(b, 4, 10); }, SKIN_SHORT_PIXELS},
      {"one byte short", [](Bytes* b) { Put32(b, 4, 52 + 1024 + 40000 - 1); }, SKIN_SHORT_PIXELS},
      {"offsets far out", [](Bytes* b) { Put32(b, 4, ~0u), Put32(b, 8, ~0u - 10); },
       SKIN_TRUNCATED},
      {"run-length of the wrong depth", [](Bytes* b) { Put32(b, 28, 2); }, SKIN_BAD_FORMAT},
      {"masks", [](Bytes* b) { Put32(b, 28, 3); }, SKIN_BAD_FORMAT},
      {"two bits", [](Bytes* b) { (*b)[26] = 2; }, SKIN_BAD_FORMAT},
      {"core header", [](Bytes* b) { Put32(b, 12, 12); }, SKIN_BAD_FORMAT},
      {"narrow", [](Bytes* b) { Put32(b, 16, 199); }, SKIN_BAD_SIZE},
      {"top-down", [](Bytes* b) { Put32(b, 20, (uint32_t)-200); }, SKIN_BAD_SIZE},
  };
  for (const Case& c : cases) {
    Bytes b = MakeSkin(8);
    c.spoil(&b);
    SkinImage image;
    EXPECT_EQ(c.result, Parse(b, &image)) << c.what;
  }
}

}  // namespace
