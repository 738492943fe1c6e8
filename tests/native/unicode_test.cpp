// The conversions between the program's code page 932 texts, its UTF-8
// paths and the system's UTF-16, at their edges. The host's iconv stands
// in for the system's table of 932.
#include "base/unicode.h"

#include <gtest/gtest.h>
#include <iconv.h>
#include <string.h>

#include <string>

#include "base/paths.h"
#include "mail/account_format.h"
#include "skins/skin_format.h"

namespace {

// One character through iconv: exactly one unit or code comes out, or none.
size_t Convert(const char* to, const char* from, const char* in, size_t inBytes, char* out,
               size_t outBytes) {
  iconv_t cd = iconv_open(to, from);
  char* src = const_cast<char*>(in);
  char* dst = out;
  size_t room = outBytes;
  size_t done = iconv(cd, &src, &inBytes, &dst, &room);
  iconv_close(cd);
  return done == (size_t)-1 || inBytes != 0 ? 0 : outBytes - room;
}

char16_t Decode(unsigned code) {
  char in[2] = {(char)(code >> 8), (char)code};
  char16_t unit = 0;
  bool two = code > 0xFF;
  size_t n = Convert("UTF-16LE", "CP932", two ? in : in + 1, two ? 2 : 1, (char*)&unit, 2);
  return n == 2 ? unit : 0;
}

unsigned Encode(char16_t unit) {
  unsigned char out[2];
  size_t n = Convert("CP932", "UTF-16LE", (const char*)&unit, 2, (char*)out, 2);
  unsigned code = n == 2 ? (unsigned)out[0] << 8 | out[1] : n == 1 ? out[0] : 0;
  return code && Decode(code) == unit ? code : 0;  // as the system's table: no look-alikes
}

const Cp932Table kTable = {Decode, Encode};

std::u16string Shown(const char* text, size_t units = 300) {
  char16_t out[300];
  Cp932ToUtf16(&kTable, text, out, units);
  return out;
}

TEST(Unicode, TextsOf932ShowWholeAndBrokenBytesAsADot) {
  EXPECT_EQ(u"表示\\", Shown("\x95\x5C\x8E\xA6\\"));  // 表's second byte is no backslash
  // A lead byte at the very end, or before a byte that cannot follow it,
  // shows as one dot; the byte after it is kept.
  EXPECT_EQ(u"a・", Shown("a\x83"));
  EXPECT_EQ(u"・ b", Shown("\x83 b"));
  // The longest skin title, 127 bytes, comes whole into its row's room;
  // where a character does not fit, none of it is shown.
  std::string title = std::string(63 * 2, '\0') + "x";
  for (int i = 0; i < 63; i++) memcpy(&title[2 * i], "\x8E\x9E", 2);  // 時
  ASSERT_EQ((size_t)SKIN_TITLE_SIZE - 1, title.size());
  std::u16string whole = Shown(title.c_str(), SKIN_TITLE_SIZE);
  EXPECT_EQ(64u, whole.size());
  EXPECT_EQ(u'x', whole.back());
  EXPECT_EQ(std::u16string(3, u'時'), Shown(title.c_str(), 4));
}

TEST(Unicode, TypedTextIsStoredExactlyOrRefusedNamingTheCharacter) {
  char out[16];
  unsigned long refused = 0;
  // The three bytes the account file cannot carry arrive as themselves and
  // are refused there, not turned into something storable.
  const char16_t* kTyped[] = {u"ﾀ", u"ﾊﾟ", u"ゎ"};
  const char* kBytes[] = {"\xC0", "\xCA\xDF", "\x82\xEC"};
  for (int i = 0; i < 3; i++) {
    ASSERT_TRUE(Utf16ToCp932(&kTable, kTyped[i], out, sizeof out, &refused));
    EXPECT_STREQ(kBytes[i], out);
    EXPECT_FALSE(IsStorableField(out));
  }
  // Characters 932 lacks, a look-alike's original and a pair of surrogates
  // are refused with their code point, wherever they stand.
  const struct {
    const char16_t* typed;
    unsigned long code;
  } kRefused[] = {{u"Hélène", 0xE9}, {u"¥100", 0xA5}, {u"時計😀", 0x1F600},
                  {u"0123456789abcdefé", 0xE9}};
  for (const auto& r : kRefused) {
    EXPECT_FALSE(Utf16ToCp932(&kTable, r.typed, out, sizeof out, &refused));
    EXPECT_EQ(r.code, refused);
    EXPECT_STREQ("", out);
  }
  // Too long: cut before a character that does not fit whole.
  ASSERT_TRUE(Utf16ToCp932(&kTable, u"a漢字", out, 5, &refused));
  EXPECT_STREQ("a\x8A\xBF", out);
}

TEST(Unicode, PathsOfTheGreatestLengthAndAnyCharacterComeBackWhole) {
  // The system's longest path, all in characters of three UTF-8 bytes,
  // fits a path buffer and the system's room whole; a character more is
  // no path, and nothing of it is given.
  std::string path;
  while (Utf16Length(path.c_str()) < SYSTEM_PATH_UNITS - 1) path += u8"時";
  char joined[PATH_SIZE];
  ASSERT_TRUE(JoinText(joined, sizeof joined, path.c_str(), "", ""));
  char16_t wide[SYSTEM_PATH_UNITS];
  ASSERT_TRUE(Utf8ToUtf16(joined, wide, SYSTEM_PATH_UNITS));
  char back[PATH_SIZE];
  ASSERT_TRUE(Utf16ToUtf8(wide, back, sizeof back));
  EXPECT_EQ(path, back);
  std::string longer = path + u8"時";
  EXPECT_FALSE(JoinText(joined, sizeof joined, longer.c_str(), "", ""));
  EXPECT_FALSE(Utf8ToUtf16(longer.c_str(), wide, SYSTEM_PATH_UNITS));
  EXPECT_EQ(0, wide[0]);

  // In a data file of 932 a path keeps every character, 932's own as they
  // are, a comma without ending its field; a broken escape stays as written.
  const char* kPath = u8"C:\\Uhré\\時計\\시계😀<,.bat";
  char stored[PATH_SIZE];
  ASSERT_TRUE(PathToStoredText(&kTable, kPath, stored, sizeof stored));
  EXPECT_STREQ(
      "C:\\Uhr<U+00E9>\\\x8E\x9E\x8C\x76\\<U+C2DC><U+ACC4><U+1F600><U+003C><U+002C>.bat",
      stored);
  ASSERT_TRUE(StoredTextToPath(&kTable, stored, back, sizeof back));
  EXPECT_STREQ(kPath, back);
  ASSERT_TRUE(StoredTextToPath(&kTable, "<U+12><U+D800><U+1234567>", back, sizeof back));
  EXPECT_STREQ("<U+12><U+D800><U+1234567>", back);
  EXPECT_FALSE(PathToStoredText(&kTable, kPath, stored, 20));
  EXPECT_STREQ("", stored);
}

}  // namespace
