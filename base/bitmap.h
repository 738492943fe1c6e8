// Device-independent bitmaps as skins and wallpaper files hold them: the
// information header, the colour table or colour masks, and the pixel
// block, plain, run-length encoded, top-down or masked. Whatever is taken
// comes out as plain bottom-up rows with a 40-byte header and a full
// colour table, the form every renderer of the platform draws, and every
// row is present: nothing handed on can make a renderer read too far.
#pragma once
#include <stddef.h>
#include <stdint.h>

enum {
  DIB_INFO_SIZE = 40,
  DIB_LARGEST_SIDE = 32767,
  DIB_RGB = 0,
  DIB_RLE8 = 1,
  DIB_RLE4 = 2,
  DIB_BITFIELDS = 3
};

enum DibResult {
  DIB_OK = 0,
  DIB_BAD_FORMAT,   // a header, depth or compression we cannot draw
  DIB_SHORT,        // colour table, masks or plain rows not all present
  DIB_TOO_LARGE     // decoding would need more than the caller allows
};

// The parts as the container holds them. headerSize is the header's own
// size field, checked against the bytes present by the container; table
// is what follows the header (colour table or masks), up to its end.
struct DibSource {
  const uint8_t* header;
  size_t headerSize;
  const uint8_t* table;
  size_t tableSize;
  const uint8_t* bits;
  size_t bitsSize;
};

struct Dib {
  int width, height, bitCount;
  uint32_t compression;  // as the source had it
  // A 40-byte header of the rows below, then the full colour table.
  alignas(4) uint8_t info[DIB_INFO_SIZE + 4 * 256];
  size_t infoSize;
  const uint8_t* pixels;  // in the source or in decoded
  size_t pixelSize;       // exactly the rows
  uint8_t* decoded;       // rows this reader made; FreeDib releases them
};

// Bytes of one row, padded to four bytes.
size_t DibRowBytes(int width, int bitCount);

// Reads the parts; rows that have to be made (run-length, top-down,
// masked) may take at most decodeLimit bytes. On DIB_OK free with FreeDib.
int ReadDib(const DibSource* source, size_t decodeLimit, Dib* out);
void FreeDib(Dib* dib);

// The colour of a pixel as 0xRRGGBB, rows counted from the top.
uint32_t DibPixelRgb(const Dib* dib, int x, int y);
