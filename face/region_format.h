// The region file: a 16-byte header and the platform's rectangle-list
// region data. Reading and writing it needs no window system.
#pragma once
#include <stddef.h>
#include <stdint.h>

enum { REGION_HEADER_SIZE = 16, REGION_DATA_HEADER_SIZE = 32, REGION_RECT_SIZE = 16 };
// The block's size field is a signed 16-bit value, and so are the sides.
enum {
  REGION_MAX_SIDE = 32767,
  REGION_MAX_RECTS = (32767 - REGION_DATA_HEADER_SIZE) / REGION_RECT_SIZE,
  REGION_MAX_FILE =
      REGION_HEADER_SIZE + REGION_DATA_HEADER_SIZE + REGION_MAX_RECTS * REGION_RECT_SIZE
};

enum RegionCheck {
  REGION_OK = 0,
  REGION_BAD_MAGIC,    // "File format wrong"
  REGION_BAD_FORMAT,   // "File Format wrong"
  REGION_BAD_SIZE      // a negative block size: cannot be allocated
};

struct WindowShape {
  int width;
  int height;
};

struct RegionHeader {
  int dataSize;        // bytes of the region data block at offset 16
  WindowShape shape;
};

struct RegionRect {
  int32_t left, top, right, bottom;
};

// Checks the magic and the three sizes in the first bytes of a file.
RegionCheck ParseRegionHeader(const unsigned char* bytes, size_t length, RegionHeader* header);

// Readies a region data block read from the file (length bytes, however
// many its size field promised) for the platform: the header size and type
// must be right, and the rectangles taken are those wholly present, at
// most the count. The block's count and list size are set to them, since
// other tools fill these loosely. On success *bytes is what to hand over,
// header and rectangles; at least one rectangle is needed.
RegionCheck PrepareRegionBlock(unsigned char* block, size_t length, uint32_t* bytes);

// Scales the rectangles (and bounds) of a block readied by
// PrepareRegionBlock to dpi; edges that meet stay meeting, so the shape
// keeps no seams.
void ScaleRegionBlock(unsigned char* block, uint32_t bytes, int dpi);

// Rows of a shape as rectangles, one run of inside pixels at a time.
// inside(x, y, context) says whether a pixel belongs to the shape.
typedef bool (*PixelTest)(int x, int y, const void* context);
size_t BuildRegionRects(int width, int height, PixelTest inside, const void* context,
                        RegionRect* rects, size_t maxRects);

// Lays out a whole region file in out (at least RegionFileSize bytes) and
// returns 1; returns 0, writing nothing, for a shape no region file could
// hold and the loader take back: no rectangle, more than REGION_MAX_RECTS,
// or a side outside 1 to REGION_MAX_SIDE.
size_t RegionFileSize(size_t rectCount);
int FormatRegionFile(const RegionRect* rects, size_t rectCount, int width, int height,
                     unsigned char* out);

// The region file of a shape, built and laid out in out (REGION_MAX_FILE
// bytes); returns its length, or 0 as FormatRegionFile refuses.
size_t MakeRegionFile(int width, int height, PixelTest inside, const void* context,
                      unsigned char* out);
