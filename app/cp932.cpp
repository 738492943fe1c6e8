#include "app/cp932.h"

bool IsCp932LeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

size_t Cp932CharLength(const char* text) {
  if (!text[0]) return 0;
  if (IsCp932LeadByte((unsigned char)text[0]) && text[1]) return 2;
  return 1;
}

const char* FindLastBackslash(const char* path) {
  const char* found = nullptr;
  for (const char* p = path; *p; p += Cp932CharLength(p))
    if (*p == '\\') found = p;
  return found;
}

size_t CopyTextCut(char* dst, size_t dstSize, const char* src) {
  if (dstSize == 0) return 0;
  size_t used = 0;
  for (size_t n; (n = Cp932CharLength(src + used)) != 0 && used + n < dstSize;) used += n;
  for (size_t i = 0; i < used; i++) dst[i] = src[i];
  dst[used] = 0;
  return used;
}
