#include "events/event_line.h"

#include <string.h>

#include "base/cp932.h"
#include "base/format_text.h"

// Comma, CR and LF lie below 0x40, so none of them can be the second byte
// of a double-byte character: looking at single bytes for them is safe.
static int EndsLine(char c) { return c == 0 || c == '\n' || c == '\r'; }

int SplitEventLine(const char* line, EventPiece pieces[EVENT_FIELD_COUNT]) {
  int count = 0;
  const char* p = line;
  while (count < EVENT_FIELD_COUNT) {
    while (*p == ',') p++;
    if (EndsLine(*p)) break;
    const char* start = p;
    while (*p != ',' && !EndsLine(*p)) p++;
    pieces[count].text = start;
    pieces[count].length = (size_t)(p - start);
    count++;
  }
  return count;
}

// Leading digits only; a value too large for any field saturates.
static int PieceNumber(const EventPiece* piece) {
  int value = 0;
  for (size_t i = 0; i < piece->length; i++) {
    char c = piece->text[i];
    if (c < '0' || c > '9') break;
    if (value < 100000000) value = value * 10 + (c - '0');
  }
  return value;
}

// Copies a piece into out (NUL-terminated, cut at a character boundary).
static void CopyPiece(const EventPiece* piece, char* out, size_t size) {
  char text[EVENT_LINE_SIZE];
  size_t n = piece->length < sizeof text - 1 ? piece->length : sizeof text - 1;
  memcpy(text, piece->text, n);
  text[n] = 0;
  CopyTextCut(out, size, text);
}

int ParseEventLine(const char* line, EventEntry* entry) {
  EventPiece pieces[EVENT_FIELD_COUNT];
  int count = SplitEventLine(line, pieces);
  int* numbers[] = {&entry->month, &entry->day, &entry->hour, &entry->minute, &entry->action};
  for (int i = 0; i < 5; i++) *numbers[i] = i < count ? PieceNumber(&pieces[i]) : 0;
  entry->parameter[0] = 0;
  if (count == EVENT_FIELD_COUNT)
    CopyPiece(&pieces[5], entry->parameter, sizeof entry->parameter);
  return count == EVENT_FIELD_COUNT;
}


size_t FormatEventLine(const EventEntry* entry, char* out, size_t size) {
  size_t textLength = 0;
  while (!EndsLine(entry->parameter[textLength]) && textLength < EVENT_PARAMETER_SIZE - 1)
    textLength++;
  int n = FormatText(out, size, "%d,%d,%d,%d,%d,%.*s,\n", entry->month, entry->day, entry->hour,
                     entry->minute, entry->action, (int)textLength, entry->parameter);
  if (n < 0 || (size_t)n >= size) {
    if (size) out[0] = 0;
    return 0;
  }
  return (size_t)n;
}

void FormatEventWhen(const char* line, const char* everyMonth, const char* everyDay, char* out,
                     size_t size) {
  EventPiece pieces[EVENT_FIELD_COUNT];
  int count = SplitEventLine(line, pieces);
  EventEntry entry;
  ParseEventLine(line, &entry);
  // A hand-edited field may be long: show a short piece of it.
  char month[17] = "", day[17] = "";
  if (count > 0) CopyPiece(&pieces[0], month, sizeof month);
  if (count > 1) CopyPiece(&pieces[1], day, sizeof day);
  FormatText(out, size, "%s/%s %d:%d", entry.month ? month : everyMonth, entry.day ? day : everyDay,
             entry.hour, entry.minute);
}
