// The skin picture parser on arbitrary bytes: whatever it accepts must
// lie within the bytes and hold every row the header implies.
#include <stddef.h>
#include <stdint.h>

#include "face/skin_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SkinImage image;
  if (ParseSkinImage(data, size, &image) != SKIN_OK) return 0;
  const SkinInfoHeader& h = image.info;
  uint64_t rows = (uint64_t)SkinRowBytes(h.width, h.bitCount) * (uint64_t)h.height;
  if ((uint64_t)image.tableOffset + image.tableSize > size ||
      (uint64_t)image.bitsOffset + image.bitsSize > size || image.bitsSize < rows ||
      h.sizeImage != rows || h.clrUsed != 0 || h.size != SKIN_INFO_SIZE)
    __builtin_trap();
  return 0;
}
