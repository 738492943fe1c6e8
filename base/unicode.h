// The two encodings the program keeps and the UTF-16 the system takes.
// Texts are code page 932: the interface is written in it and the data
// files hold it. Paths are UTF-8: it holds every character a file name
// may have and never has a backslash byte inside a character. Code page
// 932's table is the system's own, handed in as a Cp932Table.
#pragma once
#include <stddef.h>

struct Cp932Table {
  // The UTF-16 unit of a one-byte character (code below 0x100) or a
  // two-byte one (lead << 8 | trail); 0 when 932 has none.
  char16_t (*decode)(unsigned code);
  // The reverse, exactly (no look-alike stands in); 0 when 932 has none.
  unsigned (*encode)(char16_t unit);
};

// What a byte or pair of 932 without a character shows as: "・", as the
// system itself shows it.
const char16_t NO_CP932_CHARACTER = 0x30FB;

// UTF-16 units of a UTF-8 text, the way Utf8ToUtf16 converts it.
size_t Utf16Length(const char* utf8);

// Whole or not at all: 0, with out empty, when the text and its NUL do
// not fit. A byte that is not UTF-8, and a lone surrogate, become U+FFFD.
int Utf8ToUtf16(const char* text, char16_t* out, size_t outUnits);
int Utf16ToUtf8(const char16_t* text, char* out, size_t outSize);

// 932 text for the system, cut at a character to fit outUnits with its
// NUL; strlen(text) + 1 units always hold it. A byte without a character,
// and a lead byte whose second byte is missing or wrong, show as "・".
// Gives the units written.
size_t Cp932ToUtf16(const Cp932Table* table, const char* text, char16_t* out, size_t outUnits);

// Typed text into 932, cut at a character to fit size bytes with its NUL.
// 0, with out empty and the character in *refused, when one of them has no
// 932 form: it is refused, never stored as something else.
int Utf16ToCp932(const Cp932Table* table, const char16_t* text, char* out, size_t size,
                 unsigned long* refused);

// A path as a data file of 932 holds it: a character 932 lacks is written
// "<U+XXXX>" (four to six hex digits), and so are '<', which no Windows
// path has, so that the form is never taken for another path, and ',',
// which would end the field. 0, with out empty, when it does not fit.
int PathToStoredText(const Cp932Table* table, const char* path, char* out, size_t size);
int StoredTextToPath(const Cp932Table* table, const char* text, char* out, size_t size);
