#include "face/skin_image.h"

#include <string.h>

static uint16_t Read16(const uint8_t* p) { return (uint16_t)(p[0] | p[1] << 8); }
static uint32_t Read32(const uint8_t* p) { return Read16(p) | (uint32_t)Read16(p + 2) << 16; }

static void ReadInfo(const uint8_t* p, SkinInfoHeader* h) {
  h->size = Read32(p);
  h->width = (int32_t)Read32(p + 4);
  h->height = (int32_t)Read32(p + 8);
  h->planes = Read16(p + 12);
  h->bitCount = Read16(p + 14);
  h->compression = Read32(p + 16);
  h->sizeImage = Read32(p + 20);
  h->xPelsPerMeter = (int32_t)Read32(p + 24);
  h->yPelsPerMeter = (int32_t)Read32(p + 28);
  h->clrUsed = Read32(p + 32);
  h->clrImportant = Read32(p + 36);
}

uint32_t SkinRowBytes(int32_t width, uint16_t bitCount) {
  return (uint32_t)(((uint64_t)width * bitCount + 31) / 32 * 4);
}

static int DrawableDepth(uint16_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

int ParseSkinImage(const uint8_t* data, size_t size, SkinImage* out) {
  memset(out, 0, sizeof *out);
  if (size < 2 || data[0] != 'Q' || data[1] != 'K') return SKIN_NOT_SKIN;
  if (size < SKIN_TABLE_OFFSET) return SKIN_TRUNCATED;
  uint32_t textOffset = Read32(data + 4), bitsOffset = Read32(data + 8);
  SkinInfoHeader* h = &out->info;
  ReadInfo(data + SKIN_HEADER_OFFSET, h);
  // Only plain rows: compressed or mask-described pixels would make the
  // renderer read beyond what was checked here.
  if (h->size < SKIN_INFO_SIZE || !DrawableDepth(h->bitCount) || h->compression != 0)
    return SKIN_BAD_FORMAT;
  if (h->width != SKIN_FACE_SIZE || h->height != SKIN_FACE_SIZE) return SKIN_BAD_SIZE;
  out->tableOffset = SKIN_TABLE_OFFSET;
  out->tableSize = h->bitCount < 16 ? 4u << h->bitCount : 0;
  if (out->tableOffset + out->tableSize > size) return SKIN_TRUNCATED;
  if (textOffset < bitsOffset) return SKIN_SHORT_PIXELS;
  if (textOffset > size) return SKIN_TRUNCATED;
  uint32_t imageBytes = SkinRowBytes(h->width, h->bitCount) * (uint32_t)h->height;
  if (textOffset - bitsOffset < imageBytes) return SKIN_SHORT_PIXELS;
  out->bitsOffset = bitsOffset;
  out->bitsSize = textOffset - bitsOffset;
  // The table read is always the full one, whatever the file claimed.
  h->size = SKIN_INFO_SIZE;
  h->planes = 1;
  h->sizeImage = imageBytes;
  h->clrUsed = 0;
  h->clrImportant = 0;
  return SKIN_OK;
}
