#include "tools/skin/skin_pack.h"

#include <string.h>

#include "base/little_endian.h"
#include "face/skin_image.h"
#include "skins/bmp_view.h"

static void Append32(std::vector<unsigned char>* out, uint32_t v) {
  unsigned char b[4];
  WriteLe32(b, v);
  out->insert(out->end(), b, b + 4);
}

static void AppendText(std::vector<unsigned char>* out, const char* text) {
  size_t n = strlen(text);
  out->push_back((unsigned char)n);
  out->insert(out->end(), text, text + n);
}

int BuildSkinFile(const unsigned char* bmp, size_t size, const char* title, const char* author,
                  std::vector<unsigned char>* out) {
  BmpView view;
  if (strlen(title) > 255 || strlen(author) > 255 || !ParseBmpFile(bmp, size, &view)) return 0;
  unsigned char info[sizeof view.info];
  memcpy(info, view.info, view.infoSize);
  const unsigned char* pixels = view.pixels;
  size_t pixelSize = view.pixelSize;
  if (view.compression == DIB_RLE8 || view.compression == DIB_RLE4) {
    pixels = bmp + ReadLe32(bmp + 10);
    size_t stored = ReadLe32(bmp + 34), present = size - (pixels - bmp);
    pixelSize = stored && stored <= present ? stored : present;
    WriteLe32(info + 16, view.compression);
    WriteLe32(info + 20, (uint32_t)pixelSize);
  }
  uint32_t bitsOffset = (uint32_t)(SKIN_HEADER_OFFSET + view.infoSize);
  out->assign({'Q', 'K', 0, 0});
  Append32(out, bitsOffset + (uint32_t)pixelSize);
  Append32(out, bitsOffset);
  out->insert(out->end(), info, info + view.infoSize);
  out->insert(out->end(), pixels, pixels + pixelSize);
  AppendText(out, title);
  AppendText(out, author);
  FreeBmpView(&view);
  return 1;
}
