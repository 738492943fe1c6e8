#include "base/cp932.h"

#include <string.h>

bool IsCp932LeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

size_t Cp932CharLength(const char* text) {
  if (!text[0]) return 0;
  if (IsCp932LeadByte((unsigned char)text[0]) && text[1]) return 2;
  return 1;
}

size_t CopyTextCut(char* dst, size_t dstSize, const char* src) {
  return CopySpanCut(dst, dstSize, src, strlen(src));
}

size_t CopySpanCut(char* dst, size_t dstSize, const char* src, size_t length) {
  if (dstSize == 0) return 0;
  size_t used = 0;
  while (used < length && src[used]) {
    // A lead byte whose second byte lies outside the span stands alone.
    size_t n = used + 1 < length ? Cp932CharLength(src + used) : 1;
    if (used + n >= dstSize) break;
    used += n;
  }
  memcpy(dst, src, used);
  dst[used] = 0;
  return used;
}
