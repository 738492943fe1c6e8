// Code page 932 text: a lead byte starts a two-byte character whose second
// byte may be any of 0x40-0xFC, backslash included, so text is cut and
// scanned a character at a time. (Paths are UTF-8: base/unicode.h.)
#pragma once
#include <stddef.h>

bool IsCp932LeadByte(unsigned char c);

// Bytes of the character at text (0 at the terminating NUL).
size_t Cp932CharLength(const char* text);

// Copies src into dst of dstSize bytes, cutting at a character boundary so
// that no half character is left; returns the bytes copied.
size_t CopyTextCut(char* dst, size_t dstSize, const char* src);
// The same for the first length bytes of src (or up to a NUL before them).
size_t CopySpanCut(char* dst, size_t dstSize, const char* src, size_t length);
