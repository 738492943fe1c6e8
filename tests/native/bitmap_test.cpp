// Bitmaps in every layout the builder writes read back as the same
// picture; run-length streams that are cut or run past their rows are cut,
// and what cannot be drawn safely is refused.
#include "base/bitmap.h"

#include <gtest/gtest.h>
#include <string.h>

#include "skins/bmp_view.h"
#include "tools/assets/canvas.h"

namespace {

typedef std::vector<uint8_t> Bytes;

// Colours every layout holds exactly, in runs and in single pixels.
Canvas Stripes(int w, int h) {
  static const Rgb colours[] = {{0, 0, 0},     {255, 255, 255}, {255, 0, 0}, {0, 255, 0},
                                {0, 0, 255},   {255, 255, 0},   {0, 255, 255}};
  Canvas c(w, h, colours[0]);
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) c.Blend(x, y, colours[(x < 9 ? x + y : x / 6) % 7], 1);
  return c;
}

uint32_t RgbOf(Rgb c) { return (uint32_t)c.r << 16 | c.g << 8 | c.b; }

TEST(Bitmap, EveryLayoutReadsBackAsThePicture) {
  Canvas c = Stripes(37, 5);
  struct { int bits; BmpLayout layout; } layouts[] = {
      {24, BMP_PLAIN}, {8, BMP_PLAIN}, {4, BMP_PLAIN},  {8, BMP_RLE},     {4, BMP_RLE},
      {16, BMP_MASKED}, {32, BMP_MASKED}, {24, BMP_TOP_DOWN}, {8, BMP_TOP_DOWN}};
  for (auto l : layouts) {
    SCOPED_TRACE(testing::Message() << l.bits << " bits, layout " << l.layout);
    Bytes b = BmpBytes(c, l.bits, l.layout);
    BmpView v;
    ASSERT_EQ(1, ParseBmpFile(b.data(), b.size(), &v));
    EXPECT_EQ(5, v.height);
    EXPECT_EQ(0u, v.info[16]);  // what the renderer gets is plain
    EXPECT_EQ(v.pixelSize, DibRowBytes(37, v.bitCount) * 5);
    for (int y = 0; y < 5; y++)
      for (int x = 0; x < 37; x++) ASSERT_EQ(RgbOf(c.At(x, y)), DibPixelRgb(&v, x, y)) << x << "," << y;
    FreeBmpView(&v);
  }
}

// A 4 by 2 picture from a hand-made run-length stream.
Bytes Rle8(const Bytes& stream) {
  Canvas grey(4, 2, Rgb{0, 0, 0});
  Bytes b = BmpBytes(grey, 8, BMP_RLE);
  size_t at = b[10] | b[11] << 8;
  for (int i = 0; i < 256; i++) b[54 + 4 * i] = (uint8_t)i;  // blue = index
  b.resize(at);
  b.insert(b.end(), stream.begin(), stream.end());
  return b;
}

TEST(Bitmap, RunLengthStreamsAreCutAtTheirRowsAndTheirEnd) {
  // A run past the row's end, a literal, a delta past the last row.
  Bytes stream = {6, 7, 0, 0, 0, 3, 1, 2, 3, 0, 0, 2, 0, 5, 2, 9};
  Bytes b = Rle8(stream);
  BmpView v;
  ASSERT_EQ(1, ParseBmpFile(b.data(), b.size(), &v));
  EXPECT_EQ(7u, DibPixelRgb(&v, 3, 1));  // bottom row first
  EXPECT_EQ(3u, DibPixelRgb(&v, 2, 0));
  EXPECT_EQ(0u, DibPixelRgb(&v, 3, 0));
  FreeBmpView(&v);
  // Cut anywhere, even inside a literal: read up to the cut, no further.
  for (size_t n = 0; n <= stream.size(); n++) {
    Bytes cut = Rle8(Bytes(stream.begin(), stream.begin() + n));
    ASSERT_EQ(1, ParseBmpFile(cut.data(), cut.size(), &v)) << n;
    EXPECT_EQ(n > 8 ? 3u : 0u, DibPixelRgb(&v, 2, 0)) << n;
    FreeBmpView(&v);
  }
}

TEST(Bitmap, RefusesWhatCannotBeDrawnSafely) {
  Canvas c = Stripes(8, 3);
  Bytes plain = BmpBytes(c, 24), rle = BmpBytes(c, 8, BMP_RLE);
  BmpView v;
  struct Case {
    const char* what;
    Bytes bytes;
  } cases[] = {
      {"a row cut short", Bytes(plain.begin(), plain.end() - 1)},
      {"pixels past the end", plain},
      {"run-length of 24 bits", plain},
      {"run-length top-down", rle},
      {"a core header", plain},
  };
  cases[1].bytes[13] = 0x7F;
  cases[2].bytes[30] = 1;
  cases[3].bytes[25] = 0xFF, cases[3].bytes[24] = 0xFF, cases[3].bytes[23] = 0xFF,
  cases[3].bytes[22] = 0xFD;
  cases[4].bytes[14] = 12;
  for (const Case& k : cases) EXPECT_EQ(0, ParseBmpFile(k.bytes.data(), k.bytes.size(), &v)) << k.what;
  // Rows to be made may not take more than the caller allows.
  EXPECT_EQ(0, ParseBmpFile(rle.data(), rle.size(), &v, DibRowBytes(8, 8) * 3 - 1));
  EXPECT_EQ(1, ParseBmpFile(rle.data(), rle.size(), &v, DibRowBytes(8, 8) * 3));
  FreeBmpView(&v);
}

}  // namespace
