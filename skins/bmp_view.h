// A bitmap file in memory, checked so that drawing it never reads past the
// bytes that were read: the header and colour table in the 40-byte form the
// platform's renderers take, and the pixel rows.
#pragma once
#include <stddef.h>
#include <stdint.h>

enum { BMP_FILE_HEADER_SIZE = 14, BMP_INFO_HEADER_SIZE = 40, BMP_LARGEST_SIDE = 32767 };

struct BmpView {
  int width, height, bitCount;
  // Information header (size field 40) followed by the colour table.
  unsigned char info[BMP_INFO_HEADER_SIZE + 4 * 256];
  size_t infoSize;
  const unsigned char* pixels;  // inside the parsed bytes
  size_t pixelSize;             // exactly the rows the header asks for
};

// Bytes of one pixel row, padded to 4 bytes.
size_t BmpRowBytes(int width, int bitCount);

// Reads a bitmap file held in data. Only uncompressed bottom-up bitmaps of
// 1, 4, 8, 16, 24 or 32 bits whose rows are all present are taken; 1 on
// success.
int ParseBmpFile(const unsigned char* data, size_t size, BmpView* view);

// Same, from an information header, colour table and pixel rows already
// apart (a skin's image); table is exactly 2^bitCount entries below 16 bits.
int ParseDibParts(const unsigned char* header, size_t headerSize, const unsigned char* table,
                  size_t tableSize, const unsigned char* pixels, size_t pixelSize, BmpView* view);

// The colour of a pixel as 0xRRGGBB, rows counted from the top.
uint32_t BmpPixelRgb(const BmpView* view, int x, int y);
