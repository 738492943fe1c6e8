// Skin files made from bitmap files, for the skin maker and the tests:
// "QK", reserved, text offset, pixel offset, the bitmap's 40-byte header
// and full colour table, the pixel block, then the title and the author
// note, each a length byte and that many bytes of text.
#pragma once
#include <stddef.h>

#include <vector>

// Run-length streams are stored as the bitmap file holds them; top-down or
// colour-masked rows become plain rows. 0 when the bitmap cannot be read
// or a text is longer than 255 bytes.
int BuildSkinFile(const unsigned char* bmp, size_t size, const char* title, const char* author,
                  std::vector<unsigned char>* out);
