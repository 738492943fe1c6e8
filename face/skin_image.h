// The picture inside a skin file: "QK", the end and start of the pixel
// block, a 40-byte bitmap information header at offset 12 and, below 16
// bits per pixel, a colour table of 4 << bits bytes at offset 52.
#pragma once
#include <stddef.h>
#include <stdint.h>

enum {
  SKIN_HEADER_OFFSET = 12,
  SKIN_INFO_SIZE = 40,
  SKIN_TABLE_OFFSET = SKIN_HEADER_OFFSET + SKIN_INFO_SIZE,
  SKIN_FACE_SIZE = 200,
  // Far above any 200 x 200 picture with its texts; larger files are not skins.
  SKIN_FILE_LIMIT = 4 << 20
};

enum SkinImageResult {
  SKIN_OK = 0,
  SKIN_NOT_SKIN,     // no "QK" mark
  SKIN_TRUNCATED,    // header, colour table or pixel block past the end
  SKIN_BAD_FORMAT,   // not an uncompressed picture of a depth we can draw
  SKIN_BAD_SIZE,     // not 200 x 200 (bottom-up)
  SKIN_SHORT_PIXELS  // the pixel block is smaller than its rows, or reversed
};

// The bitmap information header, in the platform's field order.
struct SkinInfoHeader {
  uint32_t size;
  int32_t width, height;
  uint16_t planes, bitCount;
  uint32_t compression, sizeImage;
  int32_t xPelsPerMeter, yPelsPerMeter;
  uint32_t clrUsed, clrImportant;
};

struct SkinImage {
  // As it may be handed to the renderer: a 40-byte header whose colour
  // count means the whole table that was read, and the exact image size.
  SkinInfoHeader info;
  uint32_t tableOffset, tableSize;  // tableSize 0 from 16 bits on
  uint32_t bitsOffset, bitsSize;    // bitsSize covers every row
};

// Checks the file's bytes; on SKIN_OK every block lies within them.
int ParseSkinImage(const uint8_t* data, size_t size, SkinImage* out);

// Bytes of one pixel row, padded to four bytes.
uint32_t SkinRowBytes(int32_t width, uint16_t bitCount);
