// The face picture: the built-in face, skin pictures, and the fallback
// for skins that cannot be drawn.
#include <gtest/gtest.h>

#include <string>

#include "app_harness.h"
#include "face_frames.h"

namespace {

void Put32(std::string* b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; i++) (*b)[at + i] = (char)(v >> (8 * i));
}

// "QK", offsets, a 40-byte header, table, pixels, then the skin's texts.
std::string SkinBytes(int bits, const std::string& table, const std::string& pixels,
                      uint32_t colorsUsed = 0) {
  std::string b(52, '\0');
  b[0] = 'Q';
  b[1] = 'K';
  uint32_t bitsOffset = 52 + (uint32_t)table.size();
  Put32(&b, 4, bitsOffset + (uint32_t)pixels.size());
  Put32(&b, 8, bitsOffset);
  Put32(&b, 12, 40);
  Put32(&b, 16, 200);
  Put32(&b, 20, 200);
  Put32(&b, 24, 1 | bits << 16);
  Put32(&b, 44, colorsUsed);
  return b + table + pixels + "title\0author\0";
}

std::string SolidSkin(BYTE r, BYTE g, BYTE b) {
  std::string pixels;
  for (int i = 0; i < 200 * 200; i++) pixels += {(char)b, (char)g, (char)r};
  return SkinBytes(24, "", pixels);
}

void ExpectBuiltinFace() {
  BackBuffer f;
  EXPECT_EQ(RGB(255, 0, 255), f.At(202, 2));
  EXPECT_EQ(RGB(0, 0, 0), f.At(300, 100));
  EXPECT_EQ(RGB(255, 255, 255), f.At(300, 0));  // the rim above the pivot
  EXPECT_GT(f.Count(RGB(255, 255, 255), 285, 0, 315, 16), 30);  // the 12 and its dot
  EXPECT_EQ(200, theClock.faceWidth);
  EXPECT_EQ(200, theClock.faceHeight);
}

TEST(FaceImage, SkinPicturesShowAtOnceAndBadOnesGiveTheBuiltinFace) {
  TempDataFolder folder;
  folder.WriteDataFile("solid.qkb", SolidSkin(10, 200, 30));
  // Eight bits, every pixel index 200: the header counts two colours, but
  // the whole table is read.
  std::string table(1024, '\0');
  table[801] = 0x60;
  folder.WriteDataFile("indexed.qkb", SkinBytes(8, table, std::string(40000, (char)200), 2));
  std::string good = SolidSkin(1, 2, 3);
  std::string shortPixels = good.substr(0, 52 + 1000);
  Put32(&shortPixels, 4, 52 + 1000);
  std::string reversed = good, bitmap = good, runLength = good;
  Put32(&reversed, 4, 20);
  bitmap[0] = 'B';
  Put32(&runLength, 28, 1);
  folder.WriteDataFile("short.qkb", shortPixels);
  folder.WriteDataFile("reversed.qkb", reversed);
  folder.WriteDataFile("bitmap.qkb", bitmap);
  folder.WriteDataFile("rle.qkb", runLength);
  folder.WriteDataFile("empty.qkb", "");
  // A stored skin index: no start-up pick among these skins.
  folder.WriteIni("[IMAGE]\r\nLAST_NUM=0\r\n");
  InProcessClock clock(folder);
  ASSERT_TRUE(clock.Started());
  ExpectBuiltinFace();
  EXPECT_EQ("<absent>", folder.IniValue("IMAGE", "FILE"));  // showing it stores nothing

  theClock.SetFaceImage("solid.qkb");
  BackBuffer solid;
  EXPECT_EQ(RGB(10, 200, 30), solid.At(300, 150));
  EXPECT_EQ(RGB(10, 200, 30), solid.At(5, 5));  // composed without a tick
  EXPECT_EQ("solid.qkb", folder.IniValue("IMAGE", "FILE"));
  theClock.SetFaceImage("indexed.qkb");
  EXPECT_EQ(RGB(0, 0x60, 0), BackBuffer().At(300, 150));

  std::string longName(400, 'a');
  for (const char* name : {"short.qkb", "reversed.qkb", "bitmap.qkb", "rle.qkb", "empty.qkb",
                           "missing.qkb", longName.c_str()}) {
    theClock.SetFaceImage("solid.qkb");
    SCOPED_TRACE(name);
    theClock.SetFaceImage(name);
    ExpectBuiltinFace();
    EXPECT_EQ("", folder.IniValue("IMAGE", "FILE"));
  }
}

}  // namespace
