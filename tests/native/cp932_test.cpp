#include "app/cp932.h"

#include <gtest/gtest.h>

namespace {

// ソ is 83 5C and 表 is 95 5C in code page 932: the second byte is a backslash.
const char kSo[] = "\x83\x5C";
const char kHyo[] = "\x95\x5C";

TEST(Cp932, BackslashInsideACharacterIsNotASeparator) {
  std::string path = std::string("C:\\") + kSo + "ft\\" + kHyo + "\\Zentick.exe";
  const char* last = FindLastBackslash(path.c_str());
  ASSERT_NE(nullptr, last);
  EXPECT_STREQ("\\Zentick.exe", last);

  std::string trailing = std::string("C:\\dir") + kHyo;  // ends in 表, no separator after
  EXPECT_EQ(trailing.c_str() + 2, FindLastBackslash(trailing.c_str()));
  EXPECT_EQ(nullptr, FindLastBackslash(kSo));
  EXPECT_EQ(nullptr, FindLastBackslash(""));
}

TEST(Cp932, LoneLeadByteAtTheEndIsOneCharacter) {
  const char text[] = "a\x83";
  EXPECT_EQ(1u, Cp932CharLength(text + 1));
  EXPECT_EQ(nullptr, FindLastBackslash(text));
}

TEST(Cp932, CutCopyNeverSplitsACharacter) {
  std::string text = std::string("ab") + kSo + kHyo;
  char out[5];
  EXPECT_EQ(4u, CopyTextCut(out, sizeof out, text.c_str()));  // 表 does not fit whole
  EXPECT_EQ(std::string("ab") + kSo, out);
  char small[4];
  EXPECT_EQ(2u, CopyTextCut(small, sizeof small, text.c_str()));
  EXPECT_STREQ("ab", small);
  char one[1];
  EXPECT_EQ(0u, CopyTextCut(one, 1, "abc"));
  EXPECT_STREQ("", one);
}

}  // namespace

namespace {

TEST(Cp932, SpanCopyStopsAtTheSpanAndNeverReadsPastIt) {
  std::string text = std::string("ab") + kSo + "cd";
  char out[16];
  EXPECT_EQ(3u, CopySpanCut(out, sizeof out, text.c_str(), 3));  // ソ's lead byte alone
  EXPECT_EQ(std::string("ab\x83"), out);
  EXPECT_EQ(4u, CopySpanCut(out, sizeof out, text.c_str(), 4));
  EXPECT_EQ(std::string("ab") + kSo, out);
  char small[4];
  EXPECT_EQ(2u, CopySpanCut(small, sizeof small, text.c_str(), 6));
  EXPECT_STREQ("ab", small);
  const char unterminated[3] = {'x', 'y', 'z'};
  EXPECT_EQ(2u, CopySpanCut(out, sizeof out, unterminated, 2));
  EXPECT_STREQ("xy", out);
}

}  // namespace
