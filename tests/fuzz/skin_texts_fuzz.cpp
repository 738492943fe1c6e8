// Skin files on arbitrary bytes: the list row's texts.
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
  return 0;
}
