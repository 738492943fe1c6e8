// The region file: a 16-byte header and the platform's rectangle-list
// region data. Reading and writing it needs no window system.
#pragma once
#include <stddef.h>
#include <stdint.h>

enum { REGION_HEADER_SIZE = 16, REGION_DATA_HEADER_SIZE = 32, REGION_RECT_SIZE = 16 };

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

// Lays out a whole region file in out (at least RegionFileSize bytes).
size_t RegionFileSize(size_t rectCount);
void FormatRegionFile(const RegionRect* rects, size_t rectCount, int width, int height,
                      unsigned char* out);
