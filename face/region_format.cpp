#include "face/region_format.h"

#include <string.h>

static int16_t Read16(const unsigned char* p) {
  return (int16_t)(uint16_t)(p[0] | (p[1] << 8));
}

static uint32_t Read32(const unsigned char* p) {
  return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

static void Write16(unsigned char* p, int v) {
  p[0] = (unsigned char)(v & 0xFF);
  p[1] = (unsigned char)((v >> 8) & 0xFF);
}

static void Write32(unsigned char* p, uint32_t v) {
  for (int i = 0; i < 4; i++) p[i] = (unsigned char)(v >> (8 * i));
}

RegionCheck ParseRegionHeader(const unsigned char* bytes, size_t length, RegionHeader* header) {
  static const unsigned char magic[4] = {'R', 'G', 'N', 0};
  if (length < 4 || memcmp(bytes, magic, 4) != 0) return REGION_BAD_MAGIC;
  if (length < 12) return REGION_BAD_FORMAT;
  header->dataSize = Read16(bytes + 6);
  header->shape.width = Read16(bytes + 8);
  header->shape.height = Read16(bytes + 10);
  if (header->shape.width <= 0 || header->shape.height <= 0 || header->dataSize == 0)
    return REGION_BAD_FORMAT;
  if (header->dataSize < 0) return REGION_BAD_SIZE;
  return REGION_OK;
}

RegionCheck CheckRegionBlock(const unsigned char* block, size_t length, uint32_t* rectBytes) {
  if (length < REGION_DATA_HEADER_SIZE) return REGION_BAD_FORMAT;
  uint32_t headerSize = Read32(block);
  uint32_t type = Read32(block + 4);
  uint32_t count = Read32(block + 8);
  uint32_t listSize = Read32(block + 12);
  if (headerSize != REGION_DATA_HEADER_SIZE || type != 1) return REGION_BAD_FORMAT;
  size_t room = (length - REGION_DATA_HEADER_SIZE) / REGION_RECT_SIZE;
  if (count > room || listSize != count * REGION_RECT_SIZE) return REGION_BAD_FORMAT;
  *rectBytes = listSize;
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

void FormatRegionFile(const RegionRect* rects, size_t rectCount, int width, int height,
                      unsigned char* out) {
  size_t blockSize = REGION_DATA_HEADER_SIZE + rectCount * REGION_RECT_SIZE;
  memset(out, 0, RegionFileSize(rectCount));
  memcpy(out, "RGN", 4);
  Write16(out + 6, (int)blockSize);
  Write16(out + 8, width);
  Write16(out + 10, height);
  unsigned char* block = out + REGION_HEADER_SIZE;
  RegionRect bound = {width, height, 0, 0};
  for (size_t i = 0; i < rectCount; i++) {
    if (rects[i].left < bound.left) bound.left = rects[i].left;
    if (rects[i].top < bound.top) bound.top = rects[i].top;
    if (rects[i].right > bound.right) bound.right = rects[i].right;
    if (rects[i].bottom > bound.bottom) bound.bottom = rects[i].bottom;
  }
  if (rectCount == 0) bound = RegionRect{0, 0, 0, 0};
  Write32(block, REGION_DATA_HEADER_SIZE);
  Write32(block + 4, 1);
  Write32(block + 8, (uint32_t)rectCount);
  Write32(block + 12, (uint32_t)(rectCount * REGION_RECT_SIZE));
  const int32_t* b = &bound.left;
  for (int i = 0; i < 4; i++) Write32(block + 16 + 4 * i, (uint32_t)b[i]);
  for (size_t r = 0; r < rectCount; r++) {
    const int32_t* v = &rects[r].left;
    for (int i = 0; i < 4; i++) Write32(block + 32 + 16 * r + 4 * i, (uint32_t)v[i]);
  }
}
