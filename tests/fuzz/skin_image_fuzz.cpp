// The skin picture parser on arbitrary bytes: whatever it accepts, plain
// or run-length, comes out as every row the header implies, read from
// within the bytes.
#include <stddef.h>
#include <stdint.h>

#include "face/skin_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SkinImage image;
  if (ParseSkinImage(data, size, &image) != SKIN_OK) return 0;
  const Dib& d = image.picture;
  uint64_t rows = (uint64_t)DibRowBytes(d.width, d.bitCount) * (uint64_t)d.height;
  int inFile = d.pixels >= data && d.pixels + d.pixelSize <= data + size;
  if (d.pixelSize != rows || (!inFile && d.pixels != d.decoded) ||
      (uint64_t)image.bitsOffset + image.bitsSize > size)
    __builtin_trap();
  DibPixelRgb(&d, d.width - 1, d.height - 1);
  DibPixelRgb(&d, 0, 0);
  FreeSkinImage(&image);
  return 0;
}
