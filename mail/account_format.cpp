#include "mail/account_format.h"

#include <string.h>

#include "base/cp932.h"
#include "base/format_text.h"

enum { SCRAMBLE_SHIFT = 64 };

void WipeSecret(void* bytes, size_t size) {
  volatile unsigned char* p = (volatile unsigned char*)bytes;
  while (size--) *p++ = 0;
}

static int KeptAsIs(unsigned char c) { return c == '\n' || c == ','; }

void ScrambleLine(char* text) {
  for (unsigned char* p = (unsigned char*)text; *p; p++)
    if (!KeptAsIs(*p)) *p = (unsigned char)(*p + SCRAMBLE_SHIFT);
}

void UnscrambleLine(char* text) {
  for (unsigned char* p = (unsigned char*)text; *p; p++)
    if (!KeptAsIs(*p)) *p = (unsigned char)(*p - SCRAMBLE_SHIFT);
}

int IsStorableField(const char* text) {
  // 0xC0, 0xCA and 0xEC shift onto NUL, line feed and comma.
  for (const unsigned char* p = (const unsigned char*)text; *p; p++)
    if (*p == ',' || *p == 0xC0 || *p == 0xCA || *p == 0xEC) return 0;
  return 1;
}

AccountCheck CheckAccountFields(const AccountEntry* entry) {
  const char* fields[] = {entry->name, entry->server, entry->user, entry->password};
  static const AccountCheck empty[] = {ACCOUNT_NO_NAME, ACCOUNT_NO_SERVER, ACCOUNT_NO_USER,
                                       ACCOUNT_NO_PASSWORD};
  for (int i = 0; i < 4; i++)
    if (!fields[i][0]) return empty[i];
  for (const char* f : fields)
    if (!IsStorableField(f)) return ACCOUNT_BAD_CHARACTER;
  return ACCOUNT_OK;
}

int BuildAccountLine(const AccountEntry* entry, char* out, size_t outSize) {
  int n = FormatText(out, outSize, "%s,%s,%s,%s,\n", entry->name, entry->server, entry->user,
                     entry->password);
  if (n < 0 || (size_t)n >= outSize) return 0;
  ScrambleLine(out);
  return 1;
}

// A comma or line feed is never the second byte of a character (those are
// 0x40 and up), so both can be searched for a byte at a time.
static size_t FieldLength(const char* text) { return strcspn(text, ",\n"); }

static char* FieldBuffer(AccountEntry* entry, int i, size_t* size) {
  char* buffers[] = {entry->name, entry->server, entry->user, entry->password};
  size_t sizes[] = {sizeof entry->name, sizeof entry->server, sizeof entry->user,
                    sizeof entry->password};
  *size = sizes[i];
  return buffers[i];
}

void SplitAccountFields(const char* line, AccountEntry* entry) {
  memset(entry, 0, sizeof *entry);
  const char* p = line;
  for (int i = 0; i < 4 && *p && *p != '\n'; i++) {
    size_t length = FieldLength(p), size;
    char* dst = FieldBuffer(entry, i, &size);
    CopySpanCut(dst, size, p, length);
    p += length;
    if (*p == ',') p++;
  }
}

int SplitAccountTokens(const char* line, AccountEntry* entry) {
  memset(entry, 0, sizeof *entry);
  const char* p = line;
  int found = 0;
  while (found < 4) {
    while (*p == ',') p++;
    if (!*p || *p == '\n') break;
    size_t length = FieldLength(p), size;
    char* dst = FieldBuffer(entry, found++, &size);
    CopySpanCut(dst, size, p, length);
    p += length;
  }
  return found == 4;
}

size_t AccountLineLength(const char* bytes, size_t length) {
  size_t limit = length < ACCOUNT_LINE_SIZE - 1 ? length : ACCOUNT_LINE_SIZE - 1;
  const void* feed = memchr(bytes, '\n', limit);
  return feed ? (size_t)((const char*)feed - bytes) + 1 : limit;
}

int ReadNextAccountLine(const char* file, size_t size, size_t* offset,
                        char line[ACCOUNT_LINE_SIZE]) {
  if (*offset >= size) return 0;
  size_t n = AccountLineLength(file + *offset, size - *offset);
  memcpy(line, file + *offset, n);
  line[n] = 0;
  *offset += n;
  return 1;
}

int RewriteAccountLines(const char* file, size_t size, int index, const char* newLine, char* out,
                        size_t* outLength) {
  size_t kept = 0, offset = 0;
  int found = 0;
  for (int i = 0; offset < size; i++) {
    size_t n = AccountLineLength(file + offset, size - offset);
    if (i != index) {
      memcpy(out + kept, file + offset, n);
      kept += n;
    } else {
      found = 1;
      size_t added = newLine ? strlen(newLine) : 0;
      if (added) memcpy(out + kept, newLine, added);
      kept += added;
    }
    offset += n;
  }
  *outLength = kept;
  return found;
}

size_t AppendAccountLine(const char* file, size_t size, const char* line, char* out) {
  if (size) memcpy(out, file, size);
  if (size && file[size - 1] != '\n') out[size++] = '\n';
  size_t n = strlen(line);
  memcpy(out + size, line, n);
  return size + n;
}
