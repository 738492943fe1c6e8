// The region file parser on arbitrary bytes.
#include <stddef.h>
#include <stdint.h>

#include "face/region_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  RegionHeader header;
  if (ParseRegionHeader(data, size, &header) != REGION_OK) return 0;
  size_t available = size > REGION_HEADER_SIZE ? size - REGION_HEADER_SIZE : 0;
  size_t blockSize = (size_t)header.dataSize < available ? (size_t)header.dataSize : available;
  uint32_t rectBytes = 0;
  if (CheckRegionBlock(data + REGION_HEADER_SIZE, blockSize, &rectBytes) == REGION_OK &&
      REGION_DATA_HEADER_SIZE + rectBytes > blockSize)
    __builtin_trap();  // the platform would be handed more bytes than were read
  return 0;
}
