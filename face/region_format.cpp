#include "face/region_format.h"

#include <stdlib.h>
#include <string.h>

#include "base/dpi_scale.h"
#include "base/little_endian.h"

static int16_t ReadSigned16(const unsigned char* p) { return (int16_t)ReadLe16(p); }

RegionCheck ParseRegionHeader(const unsigned char* bytes, size_t length, RegionHeader* header) {
  static const unsigned char magic[4] = {'R', 'G', 'N', 0};
  if (length < 4 || memcmp(bytes, magic, 4) != 0) return REGION_BAD_MAGIC;
  if (length < 12) return REGION_BAD_FORMAT;
  header->dataSize = ReadSigned16(bytes + 6);
  header->shape.width = ReadSigned16(bytes + 8);
  header->shape.height = ReadSigned16(bytes + 10);
  if (header->shape.width <= 0 || header->shape.height <= 0 || header->dataSize == 0)
    return REGION_BAD_FORMAT;
  if (header->dataSize < 0) return REGION_BAD_SIZE;
  return REGION_OK;
}

RegionCheck PrepareRegionBlock(unsigned char* block, size_t length, uint32_t* bytes) {
  if (length < REGION_DATA_HEADER_SIZE) return REGION_BAD_FORMAT;
  if (ReadLe32(block) != REGION_DATA_HEADER_SIZE || ReadLe32(block + 4) != 1)
    return REGION_BAD_FORMAT;
  size_t present = (length - REGION_DATA_HEADER_SIZE) / REGION_RECT_SIZE;
  uint32_t count = ReadLe32(block + 8);
  if (count > present) count = (uint32_t)present;
  if (count == 0) return REGION_BAD_FORMAT;
  WriteLe32(block + 8, count);
  WriteLe32(block + 12, count * REGION_RECT_SIZE);
  *bytes = REGION_DATA_HEADER_SIZE + count * REGION_RECT_SIZE;
  return REGION_OK;
}

size_t BuildRegionRects(int width, int height, PixelTest inside, const void* context,
                        RegionRect* rects, size_t maxRects) {
  size_t count = 0;
  for (int y = 0; y < height; y++) {
    int x = 0;
    while (x < width) {
      while (x < width && !inside(x, y, context)) x++;
      int start = x;
      while (x < width && inside(x, y, context)) x++;
      if (x > start) {
        if (count == maxRects) return count;
        rects[count++] = RegionRect{start, y, x, y + 1};
      }
    }
  }
  return count;
}

size_t RegionFileSize(size_t rectCount) {
  return REGION_HEADER_SIZE + REGION_DATA_HEADER_SIZE + rectCount * REGION_RECT_SIZE;
}

int FormatRegionFile(const RegionRect* rects, size_t rectCount, int width, int height,
                     unsigned char* out) {
  if (rectCount == 0 || rectCount > REGION_MAX_RECTS || width < 1 || width > REGION_MAX_SIDE ||
      height < 1 || height > REGION_MAX_SIDE)
    return 0;
  size_t blockSize = REGION_DATA_HEADER_SIZE + rectCount * REGION_RECT_SIZE;
  memset(out, 0, RegionFileSize(rectCount));
  memcpy(out, "RGN", 4);
  WriteLe16(out + 6, (uint32_t)blockSize);
  WriteLe16(out + 8, (uint32_t)width);
  WriteLe16(out + 10, (uint32_t)height);
  unsigned char* block = out + REGION_HEADER_SIZE;
  RegionRect bound = {width, height, 0, 0};
  for (size_t i = 0; i < rectCount; i++) {
    if (rects[i].left < bound.left) bound.left = rects[i].left;
    if (rects[i].top < bound.top) bound.top = rects[i].top;
    if (rects[i].right > bound.right) bound.right = rects[i].right;
    if (rects[i].bottom > bound.bottom) bound.bottom = rects[i].bottom;
  }
  WriteLe32(block, REGION_DATA_HEADER_SIZE);
  WriteLe32(block + 4, 1);
  WriteLe32(block + 8, (uint32_t)rectCount);
  WriteLe32(block + 12, (uint32_t)(rectCount * REGION_RECT_SIZE));
  const int32_t* b = &bound.left;
  for (int i = 0; i < 4; i++) WriteLe32(block + 16 + 4 * i, (uint32_t)b[i]);
  for (size_t r = 0; r < rectCount; r++) {
    const int32_t* v = &rects[r].left;
    for (int i = 0; i < 4; i++) WriteLe32(block + 32 + 16 * r + 4 * i, (uint32_t)v[i]);
  }
  return 1;
}

size_t MakeRegionFile(int width, int height, PixelTest inside, const void* context,
                      unsigned char* out) {
  // One rectangle more than a file holds tells a shape that is too ragged.
  RegionRect* rects = (RegionRect*)malloc((REGION_MAX_RECTS + 1) * sizeof(RegionRect));
  if (!rects) return 0;
  size_t n = BuildRegionRects(width, height, inside, context, rects, REGION_MAX_RECTS + 1);
  size_t length = FormatRegionFile(rects, n, width, height, out) ? RegionFileSize(n) : 0;
  free(rects);
  return length;
}

void ScaleRegionBlock(unsigned char* block, uint32_t bytes, int dpi) {
  // The bounds at 16, then the rectangles: every field a coordinate.
  for (uint32_t at = 16; at + 4 <= bytes; at += 4)
    WriteLe32(block + at, (uint32_t)ScaleToDpi((int32_t)ReadLe32(block + at), dpi));
}
