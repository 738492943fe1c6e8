#include "events/event_text.h"

#include <string.h>

#include "base/cp932.h"

// Past the line feed of the line at pos (a line feed is never the second
// byte of a character), or the end of the text.
static size_t NextLineStart(const char* text, size_t length, size_t pos) {
  const void* feed = memchr(text + pos, '\n', length - pos);
  return feed ? (size_t)((const char*)feed - text) + 1 : length;
}

// Drops a lead byte whose second byte was cut off.
static void TrimHalfCharacter(char* text) {
  size_t last = 0, pos = 0;
  for (size_t n; (n = Cp932CharLength(text + pos)) != 0; pos += n) last = pos;
  if (pos > 0 && IsCp932LeadByte((unsigned char)text[last]) && pos - last == 1) text[last] = 0;
}

size_t ReadEventLine(const char* text, size_t length, size_t pos, char line[EVENT_LINE_SIZE]) {
  size_t next = NextLineStart(text, length, pos);
  size_t n = next - pos;
  int cut = n > EVENT_LINE_SIZE - 1;
  if (cut) n = EVENT_LINE_SIZE - 1;
  memcpy(line, text + pos, n);
  line[n] = 0;
  if (cut) TrimHalfCharacter(line);
  return next;
}

size_t RemoveTextLines(char* text, size_t length, const size_t* indexes, size_t count) {
  size_t read = 0, write = 0, index = 0, k = 0;
  while (read < length) {
    size_t next = NextLineStart(text, length, read);
    while (k < count && indexes[k] < index) k++;
    if (k < count && indexes[k] == index) {
      k++;
    } else {
      memmove(text + write, text + read, next - read);
      write += next - read;
    }
    read = next;
    index++;
  }
  return write;
}
