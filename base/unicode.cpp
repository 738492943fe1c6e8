#include "base/unicode.h"

#include <string.h>

#include "base/cp932.h"
#include "base/format_text.h"

static const unsigned long REPLACEMENT = 0xFFFD;

static int IsSurrogate(unsigned long c) { return c >= 0xD800 && c <= 0xDFFF; }

// The code point at *p, moving past it; a byte that does not start a
// whole, shortest form stands alone as U+FFFD. Stops at the NUL, which is
// never a continuation byte.
static unsigned long NextUtf8(const unsigned char** p) {
  const unsigned char* s = *p;
  unsigned c = s[0];
  *p = s + 1;
  if (c < 0x80) return c;
  int more;
  unsigned long code, least;
  if (c >= 0xC2 && c <= 0xDF) more = 1, code = c & 0x1F, least = 0x80;
  else if (c >= 0xE0 && c <= 0xEF) more = 2, code = c & 0x0F, least = 0x800;
  else if (c >= 0xF0 && c <= 0xF4) more = 3, code = c & 0x07, least = 0x10000;
  else return REPLACEMENT;
  for (int i = 1; i <= more; i++) {
    if ((s[i] & 0xC0) != 0x80) return REPLACEMENT;
    code = code << 6 | (s[i] & 0x3F);
  }
  if (code < least || code > 0x10FFFF || IsSurrogate(code)) return REPLACEMENT;
  *p = s + more + 1;
  return code;
}

// The code point at *p, moving past it; a lone surrogate is given as it is.
static unsigned long NextUtf16(const char16_t** p) {
  const char16_t* s = *p;
  unsigned long u = s[0];
  if (u >= 0xD800 && u <= 0xDBFF && s[1] >= 0xDC00 && s[1] <= 0xDFFF) {
    *p = s + 2;
    return 0x10000 + ((u - 0xD800) << 10) + (s[1] - 0xDC00u);
  }
  *p = s + 1;
  return u;
}

static size_t Utf8Bytes(unsigned long code) {
  return code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
}

static void PutUtf8(unsigned long code, char* out) {
  size_t n = Utf8Bytes(code);
  static const unsigned char kFirst[] = {0, 0, 0xC0, 0xE0, 0xF0};
  for (size_t i = n - 1; i > 0; i--, code >>= 6) out[i] = (char)(0x80 | (code & 0x3F));
  out[0] = (char)(n == 1 ? code : kFirst[n] | code);
}

size_t Utf16Length(const char* utf8) {
  size_t units = 0;
  for (const unsigned char* p = (const unsigned char*)utf8; *p;)
    units += NextUtf8(&p) >= 0x10000 ? 2 : 1;
  return units;
}

int Utf8ToUtf16(const char* text, char16_t* out, size_t outUnits) {
  size_t used = 0;
  for (const unsigned char* p = (const unsigned char*)text; *p;) {
    unsigned long code = NextUtf8(&p);
    size_t n = code >= 0x10000 ? 2 : 1;
    if (used + n >= outUnits) {
      if (outUnits) out[0] = 0;
      return 0;
    }
    if (n == 2) {
      out[used++] = (char16_t)(0xD800 + ((code - 0x10000) >> 10));
      out[used++] = (char16_t)(0xDC00 + (code & 0x3FF));
    } else {
      out[used++] = (char16_t)code;
    }
  }
  if (outUnits) out[used] = 0;
  return outUnits != 0;
}

int Utf16ToUtf8(const char16_t* text, char* out, size_t outSize) {
  size_t used = 0;
  for (const char16_t* p = text; *p;) {
    unsigned long code = NextUtf16(&p);
    if (IsSurrogate(code)) code = REPLACEMENT;
    size_t n = Utf8Bytes(code);
    if (used + n >= outSize) {
      if (outSize) out[0] = 0;
      return 0;
    }
    PutUtf8(code, out + used);
    used += n;
  }
  if (outSize) out[used] = 0;
  return outSize != 0;
}

static int IsCp932TrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

// The code point of the 932 character at *p, moving past it.
static unsigned long NextCp932(const Cp932Table* table, const unsigned char** p) {
  const unsigned char* s = *p;
  unsigned code = s[0];
  *p = s + 1;
  if (code < 0x80) return code;
  if (IsCp932LeadByte(s[0])) {
    if (!IsCp932TrailByte(s[1])) return NO_CP932_CHARACTER;
    code = code << 8 | s[1];
    *p = s + 2;
  }
  char16_t unit = table->decode(code);
  return unit ? unit : NO_CP932_CHARACTER;
}

// The 932 form of a code point, or 0 when there is none.
static unsigned Cp932Code(const Cp932Table* table, unsigned long code) {
  if (code < 0x80) return (unsigned)code;
  if (code > 0xFFFF || IsSurrogate(code)) return 0;
  return table->encode((char16_t)code);
}

size_t Cp932ToUtf16(const Cp932Table* table, const char* text, char16_t* out, size_t outUnits) {
  if (outUnits == 0) return 0;
  size_t used = 0;
  for (const unsigned char* p = (const unsigned char*)text; *p && used + 1 < outUnits;)
    out[used++] = (char16_t)NextCp932(table, &p);
  out[used] = 0;
  return used;
}

static size_t PutCp932(unsigned code, char* out) {
  if (code > 0xFF) {
    out[0] = (char)(code >> 8);
    out[1] = (char)code;
    return 2;
  }
  out[0] = (char)code;
  return 1;
}

int Utf16ToCp932(const Cp932Table* table, const char16_t* text, char* out, size_t size,
                 unsigned long* refused) {
  if (size == 0) return 0;
  size_t used = 0;
  int cut = 0;
  // Every character is looked at, also past a cut: none is stored as another.
  for (const char16_t* p = text; *p;) {
    unsigned long code = NextUtf16(&p);
    unsigned bytes = Cp932Code(table, code);
    if (!bytes) {
      *refused = code;
      out[0] = 0;
      return 0;
    }
    char piece[2];
    size_t n = PutCp932(bytes, piece);
    if (cut || used + n >= size) {
      cut = 1;
      continue;
    }
    memcpy(out + used, piece, n);
    used += n;
  }
  out[used] = 0;
  return 1;
}

int PathToStoredText(const Cp932Table* table, const char* path, char* out, size_t size) {
  size_t used = 0;
  for (const unsigned char* p = (const unsigned char*)path; *p;) {
    unsigned long code = NextUtf8(&p);
    unsigned bytes = code == '<' || code == ',' ? 0 : Cp932Code(table, code);
    char piece[12];
    size_t n = bytes ? PutCp932(bytes, piece) : (size_t)FormatText(piece, sizeof piece, "<U+%04lX>", code);
    if (used + n >= size) {
      if (size) out[0] = 0;
      return 0;
    }
    memcpy(out + used, piece, n);
    used += n;
  }
  if (size) out[used] = 0;
  return size != 0;
}

// A "<U+XXXX>" at s: its code point and length, or 0.
static size_t ReadEscape(const unsigned char* s, unsigned long* code) {
  if (s[0] != '<' || s[1] != 'U' || s[2] != '+') return 0;
  unsigned long value = 0;
  size_t digits = 0;
  for (const unsigned char* d = s + 3;; d++, digits++) {
    int v = *d >= '0' && *d <= '9' ? *d - '0' : *d >= 'A' && *d <= 'F' ? *d - 'A' + 10 : -1;
    if (v < 0) break;
    value = value << 4 | (unsigned)v;
    if (digits == 6) return 0;
  }
  if (digits < 4 || s[3 + digits] != '>' || value > 0x10FFFF || IsSurrogate(value)) return 0;
  *code = value;
  return digits + 4;
}

int StoredTextToPath(const Cp932Table* table, const char* text, char* out, size_t size) {
  size_t used = 0;
  for (const unsigned char* p = (const unsigned char*)text; *p;) {
    unsigned long code;
    size_t escape = ReadEscape(p, &code);
    if (escape) p += escape;
    else code = NextCp932(table, &p);
    size_t n = Utf8Bytes(code);
    if (used + n >= size) {
      if (size) out[0] = 0;
      return 0;
    }
    PutUtf8(code, out + used);
    used += n;
  }
  if (size) out[used] = 0;
  return size != 0;
}
