// Skin files on arbitrary bytes: the list row's texts and the image.
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "skins/skin_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SkinRow row;
  SetSkinRowDefaults(&row, "fuzz.qkb");
  ParseSkinTextsOfFile(data, size, &row);
  if (strlen(row.title) >= sizeof row.title || strlen(row.author) >= sizeof row.author)
    __builtin_trap();
  BmpView view;
  if (ParseSkinImage(data, size, &view)) {
    // Drawing reads the rows; they must lie inside the input.
    if (view.pixels < data || view.pixels + view.pixelSize > data + size) __builtin_trap();
    BmpPixelRgb(&view, view.width - 1, 0);
    BmpPixelRgb(&view, 0, view.height - 1);
  }
  return 0;
}
