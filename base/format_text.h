// Text made from a format and values, bounded by the buffer and the same on
// every Windows: %d, %i, %u, %X (with l or ll), %s, %.*s and %%, with a field
// width and zero padding. MinGW's printf family would add a sixth to the
// program's size, and msvcrt's own writes 64-bit numbers differently from one
// Windows to the next.
#pragma once
#include <stdarg.h>
#include <stddef.h>

#ifdef __clang__
#define ZT_TEXT_FORMAT(f, a) __attribute__((format(printf, f, a)))
#else
#define ZT_TEXT_FORMAT(f, a) __attribute__((format(gnu_printf, f, a)))
#endif

// Writes into out of size bytes, terminated whenever size > 0; a text too
// long is cut at a character boundary. Returns the length of the whole text,
// as snprintf does, so that a caller can tell it was cut.
int FormatText(char* out, size_t size, const char* format, ...) ZT_TEXT_FORMAT(3, 4);
int FormatTextList(char* out, size_t size, const char* format, va_list values);
