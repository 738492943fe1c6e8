// Region files both ways.
//   first byte even: the rest is a region file, loose fields included, read
//   as the loader reads it;
//   odd: a shape is made into a region file, which must read back as the
//   same pixels: then width and height (1 to 64, room for more runs than a
//   file holds), a DPI step, and the shape's pixels as bits, row after
//   row, repeated to fill it.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "base/dpi_scale.h"
#include "base/little_endian.h"
#include "face/region_format.h"

static void ReadRegionFile(const uint8_t* data, size_t size, int dpi) {
  RegionHeader header;
  if (ParseRegionHeader(data, size, &header) != REGION_OK) return;
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
  if (ready) ScaleRegionBlock(block, bytes, dpi);
  free(block);
}

enum { SHAPE_MAX_SIDE = 64 };

struct Shape {
  int width, height;
  uint8_t pixels[SHAPE_MAX_SIDE * SHAPE_MAX_SIDE];  // row after row, 1 inside
};

static bool InsideShape(int x, int y, const void* context) {
  const Shape* s = (const Shape*)context;
  return s->pixels[y * s->width + x];
}

static int32_t Field(const unsigned char* rect, int i) { return (int32_t)ReadLe32(rect + 4 * i); }

static bool WithinWindow(const unsigned char* r, int width, int height) {
  return Field(r, 0) >= 0 && Field(r, 1) >= 0 && Field(r, 0) < Field(r, 2) &&
         Field(r, 1) < Field(r, 3) && Field(r, 2) <= width && Field(r, 3) <= height;
}

// Paints each rectangle of a readied block into covered (width by height),
// trapping on one that is empty, lies outside the window or the bounds, or
// overlaps another.
static void PaintRects(const unsigned char* block, uint32_t bytes, int width, int height,
                       uint8_t* covered) {
  const unsigned char* bounds = block + 16;
  for (uint32_t at = REGION_DATA_HEADER_SIZE; at < bytes; at += REGION_RECT_SIZE) {
    const unsigned char* r = block + at;
    if (!WithinWindow(r, width, height) || Field(r, 0) < Field(bounds, 0) ||
        Field(r, 1) < Field(bounds, 1) || Field(r, 2) > Field(bounds, 2) ||
        Field(r, 3) > Field(bounds, 3))
      __builtin_trap();
    for (int y = Field(r, 1); y < Field(r, 3); y++)
      for (int x = Field(r, 0); x < Field(r, 2); x++)
        if (covered[y * width + x]++) __builtin_trap();
  }
}

// Scaled for any DPI, no rectangle vanishes or leaves the scaled window.
static void CheckScaled(unsigned char* block, uint32_t bytes, const Shape* s, int dpi) {
  ScaleRegionBlock(block, bytes, dpi);
  int w = ScaleToDpi(s->width, dpi), h = ScaleToDpi(s->height, dpi);
  for (uint32_t at = REGION_DATA_HEADER_SIZE; at < bytes; at += REGION_RECT_SIZE)
    if (!WithinWindow(block + at, w, h)) __builtin_trap();
}

static void MakeAndReadBack(const Shape* s, int dpi) {
  static unsigned char file[REGION_MAX_FILE];
  size_t length = MakeRegionFile(s->width, s->height, InsideShape, s, file);
  int pixels = s->width * s->height;
  if (length == 0) {
    // Refused only when empty, or with room for more runs than a file holds.
    if (memchr(s->pixels, 1, pixels) && (s->width + 1) / 2 * s->height <= REGION_MAX_RECTS)
      __builtin_trap();
    return;
  }
  RegionHeader header;
  if (length > sizeof file || ParseRegionHeader(file, length, &header) != REGION_OK ||
      header.shape.width != s->width || header.shape.height != s->height ||
      (size_t)header.dataSize != length - REGION_HEADER_SIZE)
    __builtin_trap();
  unsigned char* block = file + REGION_HEADER_SIZE;
  uint32_t bytes = 0;
  if (PrepareRegionBlock(block, header.dataSize, &bytes) != REGION_OK ||
      bytes != (uint32_t)header.dataSize)
    __builtin_trap();  // the loader would drop part of what was written
  uint8_t covered[SHAPE_MAX_SIDE * SHAPE_MAX_SIDE] = {};
  PaintRects(block, bytes, s->width, s->height, covered);
  if (memcmp(covered, s->pixels, pixels) != 0) __builtin_trap();
  CheckScaled(block, bytes, s, dpi);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  if (data[0] % 2 == 0) {
    ReadRegionFile(data + 1, size - 1, BASE_DPI + 4 * data[size - 1]);
    return 0;
  }
  if (size < 4) return 0;
  Shape shape;
  shape.width = 1 + data[1] % SHAPE_MAX_SIDE;
  shape.height = 1 + data[2] % SHAPE_MAX_SIDE;
  const uint8_t* bits = data + 4;
  size_t bitBytes = size - 4;
  for (int i = 0; i < shape.width * shape.height; i++)
    shape.pixels[i] = bitBytes && bits[i / 8 % bitBytes] >> (i % 8) & 1;
  MakeAndReadBack(&shape, BASE_DPI + 4 * data[3]);
  return 0;
}
