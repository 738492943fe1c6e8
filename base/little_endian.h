// Little-endian fields of the program's binary formats, read byte by byte
// so that neither alignment nor the host's byte order matters.
#pragma once
#include <stdint.h>

inline uint16_t ReadLe16(const uint8_t* p) { return (uint16_t)(p[0] | p[1] << 8); }
inline uint32_t ReadLe32(const uint8_t* p) {
  return ReadLe16(p) | (uint32_t)ReadLe16(p + 2) << 16;
}
inline void WriteLe16(uint8_t* p, uint32_t v) {
  p[0] = (uint8_t)v;
  p[1] = (uint8_t)(v >> 8);
}
inline void WriteLe32(uint8_t* p, uint32_t v) {
  WriteLe16(p, v);
  WriteLe16(p + 2, v >> 16);
}
