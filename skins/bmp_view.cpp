#include "skins/bmp_view.h"

#include <string.h>

static uint32_t Get16(const unsigned char* p) { return p[0] | (uint32_t)p[1] << 8; }
static uint32_t Get32(const unsigned char* p) { return Get16(p) | Get16(p + 2) << 16; }
static void Put32(unsigned char* p, uint32_t v) {
  for (int i = 0; i < 4; i++) p[i] = (unsigned char)(v >> (8 * i));
}

size_t BmpRowBytes(int width, int bitCount) {
  return ((size_t)width * (size_t)bitCount + 31) / 32 * 4;
}

static size_t TableEntries(int bitCount) { return bitCount < 16 ? (size_t)1 << bitCount : 0; }

int ParseDibParts(const unsigned char* header, size_t headerSize, const unsigned char* table,
                  size_t tableSize, const unsigned char* pixels, size_t pixelSize, BmpView* view) {
  memset(view, 0, sizeof *view);
  if (headerSize < BMP_INFO_HEADER_SIZE) return 0;
  int32_t width = (int32_t)Get32(header + 4), height = (int32_t)Get32(header + 8);
  int bits = (int)Get16(header + 14);
  uint32_t compression = Get32(header + 16);
  if (width < 1 || height < 1 || width > BMP_LARGEST_SIDE || height > BMP_LARGEST_SIDE) return 0;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return 0;
  if (compression != 0) return 0;
  size_t tableBytes = 4 * TableEntries(bits);
  size_t rows = BmpRowBytes(width, bits) * (size_t)height;
  if (tableSize < tableBytes || pixelSize < rows) return 0;
  view->width = width;
  view->height = height;
  view->bitCount = bits;
  memcpy(view->info, header, BMP_INFO_HEADER_SIZE);
  Put32(view->info, BMP_INFO_HEADER_SIZE);
  Put32(view->info + 20, (uint32_t)rows);
  Put32(view->info + 32, 0);  // the table is always full
  if (tableBytes) memcpy(view->info + BMP_INFO_HEADER_SIZE, table, tableBytes);
  view->infoSize = BMP_INFO_HEADER_SIZE + tableBytes;
  view->pixels = pixels;
  view->pixelSize = rows;
  return 1;
}

int ParseBmpFile(const unsigned char* data, size_t size, BmpView* view) {
  memset(view, 0, sizeof *view);
  if (size < BMP_FILE_HEADER_SIZE + BMP_INFO_HEADER_SIZE) return 0;
  // Later header versions are longer; the colour table follows whatever
  // length the header gives.
  uint32_t headerSize = Get32(data + BMP_FILE_HEADER_SIZE);
  uint32_t pixelOffset = Get32(data + 10);
  if (headerSize < BMP_INFO_HEADER_SIZE || headerSize > size - BMP_FILE_HEADER_SIZE) return 0;
  if (pixelOffset > size) return 0;
  size_t tableAt = BMP_FILE_HEADER_SIZE + headerSize;
  return ParseDibParts(data + BMP_FILE_HEADER_SIZE, headerSize, data + tableAt, size - tableAt,
                       data + pixelOffset, size - pixelOffset, view);
}

uint32_t BmpPixelRgb(const BmpView* view, int x, int y) {
  const unsigned char* row =
      view->pixels + BmpRowBytes(view->width, view->bitCount) * (size_t)(view->height - 1 - y);
  const unsigned char* table = view->info + BMP_INFO_HEADER_SIZE;
  switch (view->bitCount) {
    case 32:
    case 24: {
      const unsigned char* p = row + (size_t)x * (view->bitCount / 8);
      return (uint32_t)p[2] << 16 | p[1] << 8 | p[0];
    }
    case 16: {
      uint32_t v = Get16(row + 2 * (size_t)x);  // 5-5-5
      uint32_t r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
      return (r * 255 / 31) << 16 | (g * 255 / 31) << 8 | b * 255 / 31;
    }
    default: {
      int bits = view->bitCount, perByte = 8 / bits;
      unsigned byte = row[x / perByte];
      unsigned index = (byte >> (8 - bits * (x % perByte + 1))) & ((1u << bits) - 1);
      const unsigned char* e = table + 4 * index;
      return (uint32_t)e[2] << 16 | e[1] << 8 | e[0];
    }
  }
}
