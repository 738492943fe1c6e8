// The picture inside a skin file: "QK", the end and start of the pixel
// block, a 40-byte bitmap information header at offset 12 and, below 16
// bits per pixel, a colour table of 4 << bits bytes at offset 52. The
// pixel block holds plain rows or a run-length stream.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include "base/bitmap.h"

enum {
  SKIN_HEADER_OFFSET = 12,
  SKIN_INFO_SIZE = DIB_INFO_SIZE,
  SKIN_TABLE_OFFSET = SKIN_HEADER_OFFSET + SKIN_INFO_SIZE,
  SKIN_FACE_SIZE = 200,
  // Far above any 200 x 200 picture with its texts; larger files are not skins.
  SKIN_FILE_LIMIT = 4 << 20
};

enum SkinImageResult {
  SKIN_OK = 0,
  SKIN_NOT_SKIN,     // no "QK" mark
  SKIN_TRUNCATED,    // header, colour table or pixel block past the end
  SKIN_BAD_FORMAT,   // not a picture of a depth and compression we can draw
  SKIN_BAD_SIZE,     // not 200 x 200 (bottom-up)
  SKIN_SHORT_PIXELS  // the pixel block is smaller than its rows, or reversed
};

struct SkinImage {
  Dib picture;                    // plain rows, ready for the renderer
  uint32_t bitsOffset, bitsSize;  // the pixel block in the file
};

// Checks the file's bytes; on SKIN_OK the picture's rows are all present
// and FreeSkinImage releases them.
int ParseSkinImage(const uint8_t* data, size_t size, SkinImage* out);
inline void FreeSkinImage(SkinImage* image) { FreeDib(&image->picture); }
