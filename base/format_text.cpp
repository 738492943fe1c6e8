#include "base/format_text.h"

#include <limits.h>

#include "base/cp932.h"

namespace {

struct Sink {
  char* out;
  size_t size;
  size_t used;
  size_t total;
  bool cut;  // once a piece did not fit, nothing after it is written
};

void Put(Sink* s, const char* text, size_t length) {
  s->total += length;
  if (s->cut || s->size == 0) return;
  size_t copied = CopySpanCut(s->out + s->used, s->size - s->used, text, length);
  s->used += copied;
  s->cut = copied < length;
}

void PutPadding(Sink* s, char c, int count) {
  for (int i = 0; i < count; i++) Put(s, &c, 1);
}

void PutNumber(Sink* s, unsigned long long magnitude, bool negative, int width, bool zeros,
               unsigned radix = 10) {
  char digits[24];
  size_t first = sizeof digits;
  do {
    digits[--first] = "0123456789ABCDEF"[magnitude % radix];
    magnitude /= radix;
  } while (magnitude);
  int length = (int)(sizeof digits - first) + negative;
  if (!zeros) PutPadding(s, ' ', width - length);
  if (negative) Put(s, "-", 1);
  if (zeros) PutPadding(s, '0', width - length);
  Put(s, digits + first, sizeof digits - first);
}

long long SignedValue(int longs, va_list* values) {
  if (longs >= 2) return va_arg(*values, long long);
  if (longs == 1) return va_arg(*values, long);
  return va_arg(*values, int);
}

unsigned long long UnsignedValue(int longs, va_list* values) {
  if (longs >= 2) return va_arg(*values, unsigned long long);
  if (longs == 1) return va_arg(*values, unsigned long);
  return va_arg(*values, unsigned int);
}

int ReadCount(const char** f) {
  int n = 0;
  for (; **f >= '0' && **f <= '9'; (*f)++)
    if (n < 1000) n = n * 10 + (**f - '0');
  return n;
}

// One conversion after its '%'; returns where the format goes on.
const char* PutConversion(Sink* s, const char* f, va_list* values) {
  bool zeros = *f == '0';
  int width = ReadCount(&f);
  size_t precision = (size_t)-1;
  if (*f == '.') {
    f++;
    if (*f == '*') {
      int given = va_arg(*values, int);
      if (given >= 0) precision = (size_t)given;
      f++;
    } else {
      precision = (size_t)ReadCount(&f);
    }
  }
  int longs = 0;
  for (; *f == 'l'; f++) longs++;
  switch (*f) {
    case 'd':
    case 'i': {
      long long v = SignedValue(longs, values);
      // Negated in unsigned arithmetic: the most negative value has no positive twin.
      unsigned long long magnitude = v < 0 ? 0ULL - (unsigned long long)v : (unsigned long long)v;
      PutNumber(s, magnitude, v < 0, width, zeros);
      break;
    }
    case 'u':
      PutNumber(s, UnsignedValue(longs, values), false, width, zeros);
      break;
    case 'X':
      PutNumber(s, UnsignedValue(longs, values), false, width, zeros, 16);
      break;
    case 's': {
      const char* text = va_arg(*values, const char*);
      size_t length = 0;
      while (length < precision && text[length]) length++;
      PutPadding(s, ' ', width - (int)(length < INT_MAX ? length : INT_MAX));
      Put(s, text, length);
      break;
    }
    case 0:
      return f;
    default:
      Put(s, f, 1);
      break;  // %% and anything unknown stand as written
  }
  return f + 1;
}

}  // namespace

int FormatTextList(char* out, size_t size, const char* format, va_list values) {
  Sink s = {out, size, 0, 0, false};
  if (size) out[0] = 0;
  va_list copy;
  va_copy(copy, values);
  for (const char* f = format; *f;) {
    if (*f == '%') {
      f = PutConversion(&s, f + 1, &copy);
      continue;
    }
    const char* start = f;
    while (*f && *f != '%') f += Cp932CharLength(f);
    Put(&s, start, (size_t)(f - start));
  }
  va_end(copy);
  return s.total < INT_MAX ? (int)s.total : INT_MAX;
}

int FormatText(char* out, size_t size, const char* format, ...) {
  va_list values;
  va_start(values, format);
  int length = FormatTextList(out, size, format, values);
  va_end(values);
  return length;
}
