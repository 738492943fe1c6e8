// The region file parser on arbitrary bytes, loose fields included.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "face/region_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  RegionHeader header;
  if (ParseRegionHeader(data, size, &header) != REGION_OK) return 0;
  size_t available = size > REGION_HEADER_SIZE ? size - REGION_HEADER_SIZE : 0;
  size_t blockSize = (size_t)header.dataSize < available ? (size_t)header.dataSize : available;
  // As the loader has it: a block of the size field, holding what was read.
  unsigned char* block = (unsigned char*)malloc((size_t)header.dataSize);
  memcpy(block, data + REGION_HEADER_SIZE, blockSize);
  uint32_t bytes = 0;
  int ready = PrepareRegionBlock(block, blockSize, &bytes) == REGION_OK;
  if (ready && (bytes > blockSize || bytes != (uint32_t)REGION_DATA_HEADER_SIZE +
                                                 REGION_RECT_SIZE * (block[8] | block[9] << 8)))
    __builtin_trap();  // the platform would be handed more bytes than were read
  // Scaled for a screen of any DPI, hand-edited coordinates included.
  if (ready) ScaleRegionBlock(block, bytes, 96 + data[size - 1] * 4);
  free(block);
  return 0;
}
