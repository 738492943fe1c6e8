// The account file's lines: scrambling, splitting into fields, building a
// line from fields, and the line-by-line rewrite. No window system here.
#pragma once
#include <stddef.h>

enum {
  ACCOUNT_NAME_SIZE = 32,
  ACCOUNT_SERVER_SIZE = 64,
  ACCOUNT_USER_SIZE = 44,
  ACCOUNT_PASSWORD_SIZE = 44,
  ACCOUNT_LINE_SIZE = 212  // a reader's line buffer: at most 211 bytes of line
};

struct AccountEntry {
  char name[ACCOUNT_NAME_SIZE];
  char server[ACCOUNT_SERVER_SIZE];
  char user[ACCOUNT_USER_SIZE];
  char password[ACCOUNT_PASSWORD_SIZE];
};

enum AccountCheck {
  ACCOUNT_OK = 0,
  ACCOUNT_NO_NAME,
  ACCOUNT_NO_SERVER,
  ACCOUNT_NO_USER,
  ACCOUNT_NO_PASSWORD,
  ACCOUNT_BAD_CHARACTER  // a comma, or a byte the scrambling cannot carry
};

// Zeroes size bytes in a way the compiler cannot leave out: passwords,
// and the lines and commands that carry them, once used.
void WipeSecret(void* bytes, size_t size);

// +64 / -64 on every byte but line feed and comma, up to the NUL.
void ScrambleLine(char* text);
void UnscrambleLine(char* text);

// 1 when text can be stored in a field: no comma, and none of the bytes
// that scrambling would turn into NUL, line feed or comma.
int IsStorableField(const char* text);

// All empty-field checks first, then the character checks, each in field order.
AccountCheck CheckAccountFields(const AccountEntry* entry);

// Plain line "name,server,user,password,\n" scrambled into out; 0 when it
// does not fit.
int BuildAccountLine(const AccountEntry* entry, char* out, size_t outSize);

// Fields of an unscrambled line in place: empty fields stay empty, missing
// ones are empty, over-long ones are cut at a character boundary.
void SplitAccountFields(const char* line, AccountEntry* entry);
// The check's reading: the first four non-empty fields (a run of commas is
// one separator). Gives 1 when all four were present.
int SplitAccountTokens(const char* line, AccountEntry* entry);

// Bytes of the line starting at bytes: through its line feed, but never
// more than a reader's buffer holds, so an over-long line reads as two.
size_t AccountLineLength(const char* bytes, size_t length);
// The line at *offset of the size bytes of file as a NUL-terminated text in
// a reader's buffer, moving *offset past it; 0 at the end of the file.
int ReadNextAccountLine(const char* file, size_t size, size_t* offset,
                        char line[ACCOUNT_LINE_SIZE]);
// The file with line index replaced by newLine (or removed when newLine is
// null) into out, which has room for size + strlen(newLine) bytes; every
// other byte is kept. Gives 0 when there is no such line.
int RewriteAccountLines(const char* file, size_t size, int index, const char* newLine, char* out,
                        size_t* outLength);
// The file with line appended into out (room for size + 1 + strlen(line)),
// ending an unterminated last line first; gives the new length.
size_t AppendAccountLine(const char* file, size_t size, const char* line, char* out);
