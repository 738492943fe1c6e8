#include "platform/text_ways.h"

#include <stdlib.h>
#include <string.h>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the system's text is UTF-16");

TextWays* SystemTextWays() {
  static TextWays ways;
  static int known;
  if (!known) {
    int nt = !(GetVersion() & 0x80000000);
    ways.widePaths = nt;
    ways.wideTexts = nt && IsValidCodePage(932);
    known = 1;
  }
  return &ways;
}

static char16_t Decode932(unsigned code) {
  char bytes[2];
  int n = 0;
  if (code > 0xFF) bytes[n++] = (char)(code >> 8);
  bytes[n++] = (char)code;
  wchar_t unit = 0;
  if (MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, n, &unit, 1) != 1) return 0;
  return (char16_t)unit;
}

static unsigned Encode932(char16_t unit) {
  wchar_t wide = unit;
  unsigned char bytes[2];
  BOOL usedDefault = FALSE;
  int n = WideCharToMultiByte(932, 0, &wide, 1, (char*)bytes, 2, NULL, &usedDefault);
  if (n < 1 || usedDefault) return 0;
  unsigned code = n == 2 ? (unsigned)bytes[0] << 8 | bytes[1] : bytes[0];
  // A look-alike (a backslash for ¥) does not come back as what was typed.
  return Decode932(code) == unit ? code : 0;
}

const Cp932Table* SystemCp932() {
  static const Cp932Table table = {Decode932, Encode932};
  return &table;
}

WideText::WideText(const char* text) : text_(small_) {
  if (!text) {
    text_ = NULL;
    return;
  }
  size_t units = strlen(text) + 1;
  if (units > sizeof small_ / sizeof small_[0]) {
    text_ = (wchar_t*)malloc(units * sizeof(wchar_t));
    if (!text_) {
      text_ = small_;
      units = sizeof small_ / sizeof small_[0];
    }
  }
  if (SystemTextWays()->wideTexts) {
    Cp932ToUtf16(SystemCp932(), text, (char16_t*)text_, units);
  } else if (!MultiByteToWideChar(CP_ACP, 0, text, -1, text_, (int)units)) {
    text_[0] = 0;
  }
}

WideText::~WideText() {
  if (text_ != small_) free(text_);
}
