// Skin files: "QK", reserved, text offset, pixel offset, the bitmap's
// information header and colour table, the pixel rows, then the title and
// the author note, each a length byte and that many bytes of text.
#pragma once
#include <stddef.h>
#include <stdio.h>

#include "base/paths.h"

enum {
  SKIN_TITLE_SIZE = 128,
  SKIN_AUTHOR_SIZE = 32,
  SKIN_NAME_SIZE = PATH_SIZE,  // the file's name: a path, whole
  SKIN_TEXT_BLOCK_MAX = 2 + 2 * 255,
};

// One row of the skin list.
struct SkinRow {
  char title[SKIN_TITLE_SIZE];
  char author[SKIN_AUTHOR_SIZE];
  char fileName[SKIN_NAME_SIZE];
};

// The row before any text is read: the file name as title, author unknown.
void SetSkinRowDefaults(SkinRow* row, const char* fileName);

// Takes the texts from the bytes at the text offset (as many as the file
// held, up to SKIN_TEXT_BLOCK_MAX); a text that is empty or cut short keeps
// its default, a long one is cut at a character boundary to fit.
void ParseSkinTexts(const unsigned char* block, size_t size, SkinRow* row);

// Fills the row from an open skin file (defaults already set).
void ReadSkinTexts(FILE* file, SkinRow* row);

// The same for a whole skin file in memory.
void ParseSkinTextsOfFile(const unsigned char* data, size_t size, SkinRow* row);
