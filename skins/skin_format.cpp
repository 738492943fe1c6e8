#include "skins/skin_format.h"

#include <string.h>

#include "base/cp932.h"
#include "base/little_endian.h"

void SetSkinRowDefaults(SkinRow* row, const char* fileName) {
  CopyTextCut(row->fileName, sizeof row->fileName, fileName);
  CopyTextCut(row->title, sizeof row->title, fileName);
  CopyTextCut(row->author, sizeof row->author, "不明");
}

// Reads one length-prefixed text at *at and moves past it; the text is
// taken only when it is non-empty and whole. 0 when the block ends first.
static int TakeText(const unsigned char* block, size_t size, size_t* at, char* out,
                    size_t outSize) {
  if (*at >= size) return 0;
  size_t length = block[*at];
  if (size - *at - 1 < length) return 0;
  if (length) {
    char text[256];
    memcpy(text, block + *at + 1, length);
    text[length] = 0;  // a zero byte inside ends it earlier
    CopyTextCut(out, outSize, text);
  }
  *at += 1 + length;
  return 1;
}

void ParseSkinTexts(const unsigned char* block, size_t size, SkinRow* row) {
  size_t at = 0;
  if (TakeText(block, size, &at, row->title, sizeof row->title))
    TakeText(block, size, &at, row->author, sizeof row->author);
}

void ReadSkinTexts(FILE* file, SkinRow* row) {
  unsigned char offset[4], block[SKIN_TEXT_BLOCK_MAX];
  if (fseek(file, 4, SEEK_SET) != 0 || fread(offset, 1, 4, file) != 4) return;
  uint32_t textOffset = ReadLe32(offset);
  if (textOffset > 0x7FFFFFFF || fseek(file, (long)textOffset, SEEK_SET) != 0) return;
  ParseSkinTexts(block, fread(block, 1, sizeof block, file), row);
}

void ParseSkinTextsOfFile(const unsigned char* data, size_t size, SkinRow* row) {
  if (size < 8) return;
  uint32_t textOffset = ReadLe32(data + 4);
  if (textOffset >= size) return;
  size_t available = size - textOffset;
  ParseSkinTexts(data + textOffset, available < (size_t)SKIN_TEXT_BLOCK_MAX ? available : (size_t)SKIN_TEXT_BLOCK_MAX,
                 row);
}
