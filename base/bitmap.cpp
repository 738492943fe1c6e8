#include "base/bitmap.h"

#include <stdlib.h>
#include <string.h>

#include "base/little_endian.h"

size_t DibRowBytes(int width, int bitCount) {
  return ((size_t)width * (size_t)bitCount + 31) / 32 * 4;
}

static uint64_t ImageBytes(int width, int height, int bitCount) {
  return (uint64_t)DibRowBytes(width, bitCount) * (uint64_t)height;
}

static int DepthFits(int bits, uint32_t compression) {
  switch (compression) {
    case DIB_RGB:
      return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case DIB_RLE8: return bits == 8;
    case DIB_RLE4: return bits == 4;
    case DIB_BITFIELDS: return bits == 16 || bits == 32;
  }
  return 0;
}

// The table as the renderer gets it: always 2^bits entries, those the file
// does not hold black. A file needs the entries its colour count names.
static int CopyTable(const DibSource* s, int bits, uint32_t clrUsed, uint8_t* table) {
  if (bits >= 16) return 1;
  size_t entries = (size_t)1 << bits;
  size_t needed = clrUsed && clrUsed < entries ? clrUsed : entries;
  if (s->tableSize < 4 * needed) return 0;
  size_t copied = s->tableSize < 4 * entries ? s->tableSize : 4 * entries;
  memset(table, 0, 4 * entries);
  memcpy(table, s->table, copied);
  return 1;
}

static void WriteInfo(Dib* d, const uint8_t* source) {
  uint8_t* h = d->info;
  memset(h, 0, DIB_INFO_SIZE);
  WriteLe32(h, DIB_INFO_SIZE);
  WriteLe32(h + 4, (uint32_t)d->width);
  WriteLe32(h + 8, (uint32_t)d->height);
  WriteLe16(h + 12, 1);
  WriteLe16(h + 14, (uint32_t)d->bitCount);
  WriteLe32(h + 20, (uint32_t)d->pixelSize);
  memcpy(h + 24, source + 24, 8);  // resolution
  d->infoSize = DIB_INFO_SIZE + (d->bitCount < 16 ? (size_t)4 << d->bitCount : 0);
}

static uint8_t* NewRows(Dib* d, size_t limit) {
  uint64_t bytes = ImageBytes(d->width, d->height, d->bitCount);
  if (bytes > limit) return NULL;
  d->decoded = (uint8_t*)calloc((size_t)bytes ? (size_t)bytes : 1, 1);
  d->pixels = d->decoded;
  d->pixelSize = (size_t)bytes;
  return d->decoded;
}

// Run-length rows: decoding stops at the end of the bitmap, of its last
// row or of the block, whichever comes first; pixels beyond a row's end
// and rows never reached stay colour 0.
struct RleRows {
  uint8_t* rows;
  size_t stride;
  int width, height, bits;
};

static void PutIndex(const RleRows* o, int x, int y, unsigned index) {
  uint8_t* row = o->rows + o->stride * (size_t)y;
  if (o->bits == 8) {
    row[x] = (uint8_t)index;
    return;
  }
  int shift = x & 1 ? 0 : 4;
  row[x / 2] = (uint8_t)((row[x / 2] & ~(15 << shift)) | (index & 15) << shift);
}

static int Advance(int x, unsigned by, int width) {
  return (unsigned)(width - x) < by ? width : x + (int)by;
}

static void DecodeRle(const uint8_t* s, size_t size, const RleRows* o) {
  size_t at = 0;
  int x = 0, y = 0;
  while (y < o->height && size - at >= 2) {
    unsigned count = s[at], value = s[at + 1];
    at += 2;
    if (count) {  // a run of one index, or of two alternating nibbles
      for (unsigned i = 0; i < count && x + (int)i < o->width; i++)
        PutIndex(o, x + (int)i, y, o->bits == 8 ? value : i & 1 ? value & 15 : value >> 4);
      x = Advance(x, count, o->width);
    } else if (value == 0) {
      x = 0;
      y++;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      if (size - at < 2) return;
      x = Advance(x, s[at], o->width);
      y += s[at + 1];
      at += 2;
    } else {  // literal pixels, padded to a 16-bit boundary
      size_t bytes = o->bits == 8 ? value : (value + 1) / 2;
      size_t present = size - at < bytes ? size - at : bytes;
      for (unsigned i = 0; i < value && x + (int)i < o->width; i++) {
        size_t byte = o->bits == 8 ? i : i / 2;
        if (byte >= present) break;
        unsigned b = s[at + byte];
        PutIndex(o, x + (int)i, y, o->bits == 8 ? b : i & 1 ? b & 15 : b >> 4);
      }
      x = Advance(x, value, o->width);
      if (present < bytes) return;
      at += bytes + (bytes & 1);
      if (at > size) return;
    }
  }
}

struct Channel {
  uint32_t mask;
  int shift, width;
};

static Channel ChannelOf(uint32_t mask) {
  Channel c = {mask, 0, 0};
  if (!mask) return c;
  while (!(mask >> c.shift & 1)) c.shift++;
  int top = 31;
  while (!(mask >> top & 1)) top--;
  c.width = top - c.shift + 1;
  return c;
}

static uint8_t Scale(uint32_t v, const Channel* c) {
  if (!c->width) return 0;
  uint32_t x = (v & c->mask) >> c->shift;
  if (c->width >= 8) return (uint8_t)(x >> (c->width - 8));
  return (uint8_t)(x * 255 / ((1u << c->width) - 1));
}

// Masked 16- or 32-bit pixels become plain 24-bit rows.
static void DecodeMasked(const uint8_t* bits, int srcBits, int topDown, const uint8_t* masks,
                         Dib* d) {
  Channel r = ChannelOf(ReadLe32(masks)), g = ChannelOf(ReadLe32(masks + 4)),
          b = ChannelOf(ReadLe32(masks + 8));
  size_t srcStride = DibRowBytes(d->width, srcBits), stride = DibRowBytes(d->width, 24);
  for (int y = 0; y < d->height; y++) {
    const uint8_t* in = bits + srcStride * (size_t)(topDown ? d->height - 1 - y : y);
    uint8_t* out = d->decoded + stride * (size_t)y;
    for (int x = 0; x < d->width; x++) {
      uint32_t v = srcBits == 16 ? ReadLe16(in + 2 * x) : ReadLe32(in + 4 * x);
      out[3 * x] = Scale(v, &b);
      out[3 * x + 1] = Scale(v, &g);
      out[3 * x + 2] = Scale(v, &r);
    }
  }
}

static void FlipRows(const uint8_t* bits, Dib* d) {
  size_t stride = DibRowBytes(d->width, d->bitCount);
  for (int y = 0; y < d->height; y++)
    memcpy(d->decoded + stride * (size_t)y, bits + stride * (size_t)(d->height - 1 - y), stride);
}

static int ReadRows(const DibSource* s, uint32_t compression, int topDown, size_t limit,
                    Dib* d) {
  if (compression == DIB_RLE8 || compression == DIB_RLE4) {
    if (!NewRows(d, limit)) return DIB_TOO_LARGE;
    RleRows o = {d->decoded, DibRowBytes(d->width, d->bitCount), d->width, d->height,
                 d->bitCount};
    DecodeRle(s->bits, s->bitsSize, &o);
    return DIB_OK;
  }
  int srcBits = d->bitCount;
  if (ImageBytes(d->width, d->height, srcBits) > s->bitsSize) return DIB_SHORT;
  if (compression == DIB_BITFIELDS) {
    const uint8_t* masks = s->headerSize >= DIB_INFO_SIZE + 12 ? s->header + DIB_INFO_SIZE
                           : s->tableSize >= 12               ? s->table
                                                              : NULL;
    if (!masks) return DIB_SHORT;
    d->bitCount = 24;
    if (!NewRows(d, limit)) return DIB_TOO_LARGE;
    DecodeMasked(s->bits, srcBits, topDown, masks, d);
    return DIB_OK;
  }
  if (!topDown) {
    d->pixels = s->bits;
    d->pixelSize = (size_t)ImageBytes(d->width, d->height, srcBits);
    return DIB_OK;
  }
  if (!NewRows(d, limit)) return DIB_TOO_LARGE;
  FlipRows(s->bits, d);
  return DIB_OK;
}

int ReadDib(const DibSource* s, size_t decodeLimit, Dib* out) {
  memset(out, 0, sizeof *out);
  if (s->headerSize < DIB_INFO_SIZE) return DIB_BAD_FORMAT;
  const uint8_t* h = s->header;
  int32_t width = (int32_t)ReadLe32(h + 4), height = (int32_t)ReadLe32(h + 8);
  int bits = ReadLe16(h + 14);
  uint32_t compression = ReadLe32(h + 16);
  int topDown = height < 0;
  if (width < 1 || width > DIB_LARGEST_SIDE || height == 0 || height < -DIB_LARGEST_SIDE ||
      height > DIB_LARGEST_SIDE || !DepthFits(bits, compression))
    return DIB_BAD_FORMAT;
  if (topDown && (compression == DIB_RLE8 || compression == DIB_RLE4)) return DIB_BAD_FORMAT;
  out->width = width;
  out->height = topDown ? -height : height;
  out->bitCount = bits;
  out->compression = compression;
  if (!CopyTable(s, bits, ReadLe32(h + 32), out->info + DIB_INFO_SIZE)) return DIB_SHORT;
  int result = ReadRows(s, compression, topDown, decodeLimit, out);
  if (result != DIB_OK) {
    FreeDib(out);
    return result;
  }
  WriteInfo(out, h);
  return DIB_OK;
}

void FreeDib(Dib* dib) {
  free(dib->decoded);
  dib->decoded = NULL;
  dib->pixels = NULL;
}

uint32_t DibPixelRgb(const Dib* d, int x, int y) {
  const uint8_t* row = d->pixels + DibRowBytes(d->width, d->bitCount) * (size_t)(d->height - 1 - y);
  switch (d->bitCount) {
    case 32:
    case 24: {
      const uint8_t* p = row + (size_t)x * (d->bitCount / 8);
      return (uint32_t)p[2] << 16 | p[1] << 8 | p[0];
    }
    case 16: {
      uint32_t v = ReadLe16(row + 2 * (size_t)x);  // 5-5-5
      uint32_t r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
      return (r * 255 / 31) << 16 | (g * 255 / 31) << 8 | b * 255 / 31;
    }
    default: {
      int bits = d->bitCount, perByte = 8 / bits;
      unsigned byte = row[x / perByte];
      unsigned index = (byte >> (8 - bits * (x % perByte + 1))) & ((1u << bits) - 1);
      const uint8_t* e = d->info + DIB_INFO_SIZE + 4 * index;
      return (uint32_t)e[2] << 16 | e[1] << 8 | e[0];
    }
  }
}
