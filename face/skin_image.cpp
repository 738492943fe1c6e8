#include "face/skin_image.h"

#include <string.h>

#include "base/little_endian.h"

int ParseSkinImage(const uint8_t* data, size_t size, SkinImage* out) {
  memset(out, 0, sizeof *out);
  if (size < 2 || data[0] != 'Q' || data[1] != 'K') return SKIN_NOT_SKIN;
  if (size < SKIN_TABLE_OFFSET) return SKIN_TRUNCATED;
  uint32_t textOffset = ReadLe32(data + 4), bitsOffset = ReadLe32(data + 8);
  const uint8_t* header = data + SKIN_HEADER_OFFSET;
  uint32_t compression = ReadLe32(header + 16);
  int bits = ReadLe16(header + 14);
  // Masks or a top-down picture have no place in a skin.
  if (ReadLe32(header) < SKIN_INFO_SIZE || compression == DIB_BITFIELDS || bits > 32)
    return SKIN_BAD_FORMAT;
  if ((int32_t)ReadLe32(header + 4) != SKIN_FACE_SIZE ||
      (int32_t)ReadLe32(header + 8) != SKIN_FACE_SIZE)
    return SKIN_BAD_SIZE;
  // The table read is always the full one, whatever the file claimed.
  size_t tableSize = bits < 16 ? (size_t)4 << bits : 0;
  if (SKIN_TABLE_OFFSET + tableSize > size) return SKIN_TRUNCATED;
  if (textOffset < bitsOffset) return SKIN_SHORT_PIXELS;
  if (textOffset > size) return SKIN_TRUNCATED;
  DibSource source = {header,       SKIN_INFO_SIZE,        data + SKIN_TABLE_OFFSET,
                      tableSize,    data + bitsOffset,     textOffset - bitsOffset};
  switch (ReadDib(&source, (size_t)SKIN_FILE_LIMIT, &out->picture)) {
    case DIB_OK: break;
    case DIB_SHORT: return SKIN_SHORT_PIXELS;
    default: return SKIN_BAD_FORMAT;
  }
  out->bitsOffset = bitsOffset;
  out->bitsSize = textOffset - bitsOffset;
  return SKIN_OK;
}
