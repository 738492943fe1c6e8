// The face picture: the built-in face, skin pictures, and the fallback
// for skins that cannot be drawn.
#include <gtest/gtest.h>

#include <string>

#include "app_harness.h"
#include "face_frames.h"

namespace {

const COLORREF MAGENTA = RGB(255, 0, 255), WHITE = RGB(255, 255, 255), BLACK = RGB(0, 0, 0);

void Put32(std::string* b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; i++) (*b)[at + i] = (char)(v >> (8 * i));
}

// A skin file: "QK", offsets, a 40-byte header, the table and the pixels,
// then a title and author as the skin files carry them.
std::string SkinBytes(int bits, int width, int height, const std::string& table,
                      const std::string& pixels, uint32_t colorsUsed = 0) {
  std::string b(52, '\0');
  b[0] = 'Q';
  b[1] = 'K';
  uint32_t bitsOffset = 52 + (uint32_t)table.size();
  Put32(&b, 4, bitsOffset + (uint32_t)pixels.size());
  Put32(&b, 8, bitsOffset);
  Put32(&b, 12, 40);
  Put32(&b, 16, (uint32_t)width);
  Put32(&b, 20, (uint32_t)height);
  Put32(&b, 24, 1 | bits << 16);
  Put32(&b, 44, colorsUsed);
  return b + table + pixels + "title\0author\0";
}

std::string SolidSkin(BYTE r, BYTE g, BYTE b) {
  std::string pixels;
  for (int i = 0; i < 200 * 200; i++) pixels += {(char)b, (char)g, (char)r};
  return SkinBytes(24, 200, 200, "", pixels);
}

// Eight bits: every pixel index 200, the table's entry 200 dark teal.
std::string IndexedSkin(uint32_t colorsUsed) {
  std::string table(1024, '\0');
  table[800] = (char)0x80;  // blue
  table[801] = (char)0x60;  // green
  return SkinBytes(8, 200, 200, table, std::string(200 * 200, (char)200), colorsUsed);
}

void ExpectBuiltinFace(const BackBuffer& f) {
  EXPECT_EQ(MAGENTA, f.At(202, 2));
  EXPECT_EQ(BLACK, f.At(300, 100));
  EXPECT_EQ(WHITE, f.At(300, 21));  // the rim above the pivot
  EXPECT_GT(f.Count(WHITE, 285, 0, 315, 16), 30);  // the 12 and its dot
}

TEST(FaceImage, BuiltinFaceWithoutASkin) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  ExpectBuiltinFace(BackBuffer());
  EXPECT_EQ("", folder.IniValue("IMAGE", "FILE"));
  EXPECT_EQ(200, theClock.faceWidth);
}

TEST(FaceImage, SkinPicturesOfEveryKindShowAtOnce) {
  TempDataFolder folder;
  folder.WriteDataFile("solid.qkb", SolidSkin(10, 200, 30));
  folder.WriteDataFile("indexed.qkb", IndexedSkin(2));
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  theClock.SetFaceImage("solid.qkb");
  BackBuffer solid;
  EXPECT_EQ(RGB(10, 200, 30), solid.At(300, 150));
  // The composition half shows it without waiting for the next second.
  EXPECT_EQ(RGB(10, 200, 30), solid.At(5, 5));
  EXPECT_EQ("solid.qkb", folder.IniValue("IMAGE", "FILE"));
  // The whole table is read even though the header counts two colours.
  theClock.SetFaceImage("indexed.qkb");
  EXPECT_EQ(RGB(0, 0x60, 0x80), BackBuffer().At(300, 150));
  EXPECT_EQ("indexed.qkb", folder.IniValue("IMAGE", "FILE"));
}

TEST(FaceImage, TheSkinNamedInTheSettingsLoadsAtStart) {
  TempDataFolder folder;
  folder.WriteDataFile("solid.qkb", SolidSkin(200, 100, 0));
  folder.WriteIni("[IMAGE]\r\nFILE=solid.qkb\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  EXPECT_EQ(RGB(200, 100, 0), BackBuffer().At(250, 50));
}

TEST(FaceImage, SkinsThatCannotBeDrawnGiveTheBuiltinFaceAndClearTheSetting) {
  std::string good = SolidSkin(1, 2, 3);
  std::string shortPixels = good.substr(0, 52) + std::string(1000, 'x');
  Put32(&shortPixels, 4, 52 + 1000);
  std::string reversed = good;
  Put32(&reversed, 4, 20);
  std::string bitmap = good;
  bitmap[0] = 'B';
  bitmap[1] = 'M';
  std::string small = SkinBytes(24, 100, 100, "", std::string(300 * 100, '\x40'));
  std::string runLength = IndexedSkin(0);
  Put32(&runLength, 28, 1);
  std::string pastEnd = good;
  Put32(&pastEnd, 4, 0x7FFFFFF0);
  struct { const char* name; std::string bytes; } cases[] = {
      {"short.qkb", shortPixels}, {"reversed.qkb", reversed}, {"bitmap.qkb", bitmap},
      {"small.qkb", small},       {"rle.qkb", runLength},     {"pastend.qkb", pastEnd},
      {"empty.qkb", ""}};
  TempDataFolder folder;
  folder.WriteDataFile("good.qkb", good);
  for (auto& c : cases) folder.WriteDataFile(c.name, c.bytes);
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  for (auto& c : cases) {
    theClock.SetFaceImage("good.qkb");
    ASSERT_EQ(RGB(1, 2, 3), BackBuffer().At(300, 100));
    theClock.SetFaceImage(c.name);
    SCOPED_TRACE(c.name);
    ExpectBuiltinFace(BackBuffer());
    EXPECT_EQ("", folder.IniValue("IMAGE", "FILE"));
    EXPECT_EQ(200, theClock.faceWidth);
    EXPECT_EQ(200, theClock.faceHeight);
  }
  theClock.SetFaceImage("missing.qkb");
  ExpectBuiltinFace(BackBuffer());
  EXPECT_EQ("", folder.IniValue("IMAGE", "FILE"));
}

TEST(FaceImage, ANameTooLongForAPathFallsBackQuietly) {
  TempDataFolder folder;
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  std::string name(400, 'a');
  theClock.SetFaceImage(name.c_str());
  ExpectBuiltinFace(BackBuffer());
}

}  // namespace
