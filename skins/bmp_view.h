// A wallpaper bitmap file in memory: the 14-byte file header, then the
// bitmap itself, read by the one bitmap reader.
#pragma once
#include <stddef.h>

#include "base/bitmap.h"

enum { BMP_FILE_HEADER_SIZE = 14 };

typedef Dib BmpView;

// Decoded rows of one wallpaper may take this much memory.
static const size_t BMP_DECODE_LIMIT = 128u << 20;

// Reads a bitmap file held in data; 1 on success, and then FreeBmpView
// releases what the reading made.
int ParseBmpFile(const unsigned char* data, size_t size, BmpView* view,
                 size_t decodeLimit = BMP_DECODE_LIMIT);
inline void FreeBmpView(BmpView* view) { FreeDib(view); }
