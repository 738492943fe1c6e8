// Skin files, change decisions, wallpaper style values and the preview
// geometry, without the platform.
#include <gtest/gtest.h>
#include <string.h>

#include <string>
#include <vector>

#include "skins/bmp_view.h"
#include "skins/change_rules.h"
#include "skins/preview_geometry.h"
#include "skins/skin_format.h"
#include "skins/wallpaper_style.h"

namespace {

typedef std::vector<unsigned char> Bytes;

struct Sequence {
  std::vector<int> values;
  size_t next;
};
int NextOf(void* context) {
  Sequence* s = (Sequence*)context;
  return s->values[s->next++ % s->values.size()];
}

int Pick(int mode, int count, int current) {
  Sequence s = {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 0};
  return PickPosition(mode, count, current, NextOf, &s);
}

TEST(ChangePositions, StepsWrapAtBothEnds) {
  EXPECT_EQ(0, Pick(PICK_NEXT, 3, 2));
  EXPECT_EQ(2, Pick(PICK_PREVIOUS, 3, 0));
  EXPECT_EQ(1, Pick(PICK_NEXT, 3, 0));
  EXPECT_EQ(0, Pick(PICK_NEXT, 3, -1));
  EXPECT_EQ(2, Pick(PICK_PREVIOUS, 3, -1));
  EXPECT_EQ(0, Pick(PICK_FIRST, 3, 1));
  EXPECT_EQ(2, Pick(PICK_LAST, 3, 0));
  // A stored index from a fuller folder: next starts over, previous asks
  // for a position the search will not reach.
  EXPECT_EQ(0, Pick(PICK_NEXT, 3, 7));
  EXPECT_EQ(6, Pick(PICK_PREVIOUS, 3, 7));
}

TEST(ChangePositions, NothingToPickChangesNothing) {
  for (int mode = PICK_NEXT; mode <= PICK_RANDOM; mode++) EXPECT_EQ(-1, Pick(mode, 0, 0)) << mode;
  EXPECT_EQ(-1, Pick(PICK_RANDOM, 1, -1));
  EXPECT_EQ(-1, Pick(99, 3, 0));
}

TEST(ChangePositions, RandomNeverRepeatsTheCurrentFile) {
  Sequence evens = {{0, 2, 4, 7, 8, 10, 13}, 0};
  for (int i = 0; i < 20; i++) EXPECT_EQ(1, PickPosition(PICK_RANDOM, 2, 0, NextOf, &evens));
  Sequence same = {{4, 4, 4, 7}, 0};
  EXPECT_EQ(7 % 5, PickPosition(PICK_RANDOM, 5, 4, NextOf, &same));
  Sequence any = {{32767}, 0};
  EXPECT_EQ(32767 % 3, PickPosition(PICK_RANDOM, 3, -1, NextOf, &any));
}

TEST(PathJoin, FitsOrLeavesNothing) {
  char out[260];
  std::string folder(200, 'f'), name(58, 'n');
  EXPECT_EQ(1, JoinText(out, sizeof out, folder.c_str(), "\\", name.c_str()));
  EXPECT_EQ(259u, strlen(out));
  EXPECT_EQ('\\', out[200]);
  std::string longer(59, 'n');
  memset(out, 'x', sizeof out);
  EXPECT_EQ(0, JoinText(out, sizeof out, folder.c_str(), "\\", longer.c_str()));
  EXPECT_STREQ("", out);
  char small[4];
  EXPECT_EQ(0, JoinText(small, sizeof small, "ab", "c", "d"));
  EXPECT_EQ(1, JoinText(small, sizeof small, "a", "", "bc"));
  EXPECT_STREQ("abc", small);
}

TEST(BackgroundPlacement, OpensLeftOfAClockPast350) {
  EXPECT_EQ(560, BackgroundDialogLeft(350, 550));
  EXPECT_EQ(1, BackgroundDialogLeft(351, 551));
  EXPECT_EQ(210, BackgroundDialogLeft(-100, 200));
}

TEST(WallpaperStyle, RegistryTextsAndIndexes) {
  EXPECT_EQ(0, ParseStyleNumber(""));
  EXPECT_EQ(2, ParseStyleNumber("2"));
  EXPECT_EQ(10, ParseStyleNumber("10x"));
  EXPECT_EQ(0, ParseStyleNumber("x1"));
  EXPECT_EQ(123, ParseStyleNumber("12345"));
  EXPECT_EQ(STYLE_TILE, StyleIndexFromValues(1, 2));
  EXPECT_EQ(STYLE_CENTER, StyleIndexFromValues(0, 0));
  EXPECT_EQ(STYLE_STRETCH, StyleIndexFromValues(0, 2));
  EXPECT_EQ(6, StyleIndexFromValues(0, 6));
  int tile = -1, style = -1;
  for (int index = 0; index < 3; index++) {
    StyleValuesForIndex(index, &tile, &style);
    EXPECT_EQ(index, StyleIndexFromValues(tile, style));
  }
  StyleValuesForIndex(STYLE_STRETCH, &tile, &style);
  EXPECT_EQ(0, tile);
  EXPECT_EQ(2, style);
}

void ExpectPlan(const PreviewPlan& p, std::initializer_list<int> want) {
  std::vector<int> got = {p.xs, p.ys, p.sw, p.sh, p.dx, p.dy, p.dw, p.dh};
  EXPECT_EQ(std::vector<int>(want), got);
}

TEST(PreviewGeometry, ScreenExamples) {
  PreviewPlan p;
  PlanPreview(800, 600, 1024, 768, STYLE_CENTER, &p);
  ExpectPlan(p, {0, 0, 800, 600, 16, 12, 160, 120});  // drawn at (17, 13) with the frame
  PlanPreview(800, 600, 1024, 768, STYLE_TILE, &p);
  ExpectPlan(p, {0, 0, 800, 600, 16, 12, 160, 120});
  PlanPreview(800, 600, 1024, 768, STYLE_STRETCH, &p);
  ExpectPlan(p, {0, 0, 800, 600, 0, 0, 192, 144});
  PlanPreview(1280, 1024, 1024, 768, STYLE_CENTER, &p);
  ExpectPlan(p, {128, 128, 1024, 768, 0, 0, 192, 144});
}

TEST(PreviewGeometry, EdgeCasesStayInsideTheBitmapAndThePreview) {
  PreviewPlan p;
  // Narrower than one preview pixel: a tile still one pixel wide.
  PlanPreview(3, 2, 1024, 768, STYLE_TILE, &p);
  EXPECT_EQ(1, p.dw);
  EXPECT_EQ(1, p.dh);
  // 1000 of 1024: the rounded scale asks for 1024 columns.
  PlanPreview(1000, 760, 1024, 768, STYLE_CENTER, &p);
  EXPECT_EQ(0, p.xs);
  EXPECT_EQ(1000, p.sw);
  EXPECT_EQ(187, p.dw);
  EXPECT_EQ(2, p.dx);
  EXPECT_EQ(760, p.sh);
  // A screen smaller than the preview.
  for (int style = 0; style < 3; style++) {
    PlanPreview(150, 90, 100, 60, style, &p);
    EXPECT_LE(p.xs + p.sw, 150);
    EXPECT_LE(p.ys + p.sh, 90);
    EXPECT_GE(p.xs, 0);
    EXPECT_LE(p.dx + p.dw, PREVIEW_WIDTH);
    EXPECT_LE(p.dy + p.dh, PREVIEW_HEIGHT);
    EXPECT_GE(p.dw, 1);
  }
}

// A bitmap file; 24-bit ones get colour(x, y) at (x, y) from the top,
// paletted ones a grey ramp table and zero pixels.
Bytes MakeBmp(int w, int h, int bits, uint32_t (*colour)(int, int)) {
  size_t stride = BmpRowBytes(w, bits), table = bits < 16 ? 4u << bits : 0;
  Bytes b(14 + 40 + table + stride * h, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; i++) b[at + i] = (unsigned char)(v >> (8 * i));
  };
  b[0] = 'B', b[1] = 'M';
  put32(2, (uint32_t)b.size());
  put32(10, (uint32_t)(54 + table));
  put32(14, 40);
  put32(18, w);
  put32(22, h);
  b[26] = 1;
  b[28] = (unsigned char)bits;
  for (size_t i = 0; i < table / 4; i++) put32(54 + 4 * i, (uint32_t)(i * 0x010101));
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w && bits == 24; x++) {
      uint32_t c = colour(x, y);
      unsigned char* p = &b[54 + stride * (h - 1 - y) + 3 * x];
      p[0] = c & 0xFF, p[1] = (c >> 8) & 0xFF, p[2] = (unsigned char)(c >> 16);
    }
  return b;
}
uint32_t Gradient(int x, int y) { return (uint32_t)(x * 40) << 16 | (uint32_t)(y * 40); }

TEST(BmpView, ReadsPixelsAndRefusesWhatCannotBeDrawnSafely) {
  Bytes bmp = MakeBmp(5, 3, 24, Gradient);
  BmpView v;
  ASSERT_EQ(1, ParseBmpFile(bmp.data(), bmp.size(), &v));
  EXPECT_EQ(5, v.width);
  EXPECT_EQ(3, v.height);
  EXPECT_EQ(Gradient(4, 2), BmpPixelRgb(&v, 4, 2));
  EXPECT_EQ(Gradient(0, 0), BmpPixelRgb(&v, 0, 0));
  EXPECT_EQ(16u * 3, v.pixelSize);
  // A wrong file size field does not matter; missing rows do.
  Bytes sizeless = bmp;
  sizeless[2] = sizeless[3] = 0;
  EXPECT_EQ(1, ParseBmpFile(sizeless.data(), sizeless.size(), &v));
  EXPECT_EQ(0, ParseBmpFile(bmp.data(), bmp.size() - 1, &v));
  Bytes rle = bmp;
  rle[30] = 1;
  EXPECT_EQ(0, ParseBmpFile(rle.data(), rle.size(), &v));
  Bytes topDown = bmp;
  topDown[25] = 0xFF, topDown[24] = 0xFF, topDown[23] = 0xFF, topDown[22] = 0xFD;
  EXPECT_EQ(0, ParseBmpFile(topDown.data(), topDown.size(), &v));
  Bytes farPixels = bmp;
  farPixels[13] = 0x7F;
  EXPECT_EQ(0, ParseBmpFile(farPixels.data(), farPixels.size(), &v));
  EXPECT_EQ(0, ParseBmpFile(bmp.data(), 20, &v));
}

TEST(BmpView, PalettedAndLongerHeaders) {
  Bytes bmp = MakeBmp(9, 2, 4, nullptr);
  bmp[54 + 64] = 0x3C;  // bottom row: pixels 0 and 1 are colours 3 and 12
  BmpView v;
  ASSERT_EQ(1, ParseBmpFile(bmp.data(), bmp.size(), &v));
  EXPECT_EQ(0x030303u, BmpPixelRgb(&v, 0, 1));
  EXPECT_EQ(0x0C0C0Cu, BmpPixelRgb(&v, 1, 1));
  EXPECT_EQ(40u + 64, v.infoSize);
  // A 108-byte header: the table comes after it, and the copy says 40.
  Bytes v4 = bmp;
  v4.insert(v4.begin() + 54, 68, 0);
  v4[14] = 108;
  v4[10] += 68;
  ASSERT_EQ(1, ParseBmpFile(v4.data(), v4.size(), &v));
  EXPECT_EQ(40, v.info[0]);
  EXPECT_EQ(0x0C0C0Cu, BmpPixelRgb(&v, 1, 1));
}

Bytes SkinWithTexts(const Bytes& textBlock) {
  Bytes bmp = MakeBmp(4, 4, 24, Gradient);
  BmpView v;
  ParseBmpFile(bmp.data(), bmp.size(), &v);
  Bytes skin;
  BuildSkinFile(&v, "", "", &skin);
  skin.resize(skin.size() - 2);
  skin.insert(skin.end(), textBlock.begin(), textBlock.end());
  return skin;
}

SkinRow RowOf(const Bytes& skin, const char* name = "clock.qkb") {
  SkinRow row;
  SetSkinRowDefaults(&row, name);
  ParseSkinTextsOfFile(skin.data(), skin.size(), &row);
  return row;
}

TEST(SkinTexts, DefaultsAndExactTexts) {
  SkinRow row = RowOf(SkinWithTexts({0, 0}));
  EXPECT_STREQ("clock.qkb", row.title);
  EXPECT_STREQ("不明", row.author);
  EXPECT_STREQ("clock.qkb", row.fileName);
  row = RowOf(SkinWithTexts({3, 'a', 'b', 'c', 2, 'x', 'y'}), "a_long_name.qkb");
  EXPECT_STREQ("abc", row.title);
  EXPECT_STREQ("xy", row.author);
  // Empty title, author present.
  row = RowOf(SkinWithTexts({0, 2, 'x', 'y'}));
  EXPECT_STREQ("clock.qkb", row.title);
  EXPECT_STREQ("xy", row.author);
  // A zero byte ends a text early.
  row = RowOf(SkinWithTexts({3, 'a', 0, 'c', 1, 'z'}));
  EXPECT_STREQ("a", row.title);
  EXPECT_STREQ("z", row.author);
}

TEST(SkinTexts, CutShortFilesKeepDefaults) {
  SkinRow row = RowOf(SkinWithTexts({5, 'a', 'b'}));
  EXPECT_STREQ("clock.qkb", row.title);
  EXPECT_STREQ("不明", row.author);
  row = RowOf(SkinWithTexts({2, 'a', 'b', 4, 'x'}));
  EXPECT_STREQ("ab", row.title);
  EXPECT_STREQ("不明", row.author);
  row = RowOf(SkinWithTexts({}));
  EXPECT_STREQ("clock.qkb", row.title);
  Bytes pastEnd = SkinWithTexts({1, 'a', 1, 'b'});
  pastEnd[4] = 0xFF, pastEnd[7] = 0x7F;
  row = RowOf(pastEnd);
  EXPECT_STREQ("clock.qkb", row.title);
}

TEST(SkinTexts, LongTextsAreCutToTheRowAtACharacterBoundary) {
  Bytes block = {255};
  for (int i = 0; i < 255; i++) block.push_back(i % 2 ? 0x5C : 0x95);  // 表 is 0x95 0x5C
  block.push_back(200);
  for (int i = 0; i < 200; i++) block.push_back('a' + i % 26);
  SkinRow row = RowOf(SkinWithTexts(block));
  EXPECT_EQ(126u, strlen(row.title));  // 63 whole characters; 127 would split one
  EXPECT_EQ(31u, strlen(row.author));
  std::string longName(300, 'n');
  SetSkinRowDefaults(&row, longName.c_str());
  EXPECT_EQ(259u, strlen(row.fileName));
  EXPECT_EQ(127u, strlen(row.title));
}

TEST(SkinTexts, ReadFromAnOpenFileAsFromMemory) {
  Bytes skin = SkinWithTexts({2, 'h', 'i', 3, 'm', 'e', '!'});
  FILE* f = tmpfile();
  ASSERT_NE(nullptr, f);
  fwrite(skin.data(), 1, skin.size(), f);
  SkinRow row;
  SetSkinRowDefaults(&row, "x.qkb");
  ReadSkinTexts(f, &row);
  fclose(f);
  EXPECT_STREQ("hi", row.title);
  EXPECT_STREQ("me!", row.author);
}

TEST(SkinImage, BuiltSkinKeepsTheImageAndTexts) {
  Bytes bmp = MakeBmp(7, 5, 8, nullptr);
  bmp[54 + 1024 + 3] = 9;  // bottom row, fourth pixel
  BmpView v, back;
  ASSERT_EQ(1, ParseBmpFile(bmp.data(), bmp.size(), &v));
  Bytes skin;
  ASSERT_EQ(1, BuildSkinFile(&v, "時計", "作者", &skin));
  EXPECT_EQ('Q', skin[0]);
  EXPECT_EQ(12u + 40 + 1024, skin[8] | skin[9] << 8);  // pixels after the full table
  ASSERT_EQ(1, ParseSkinImage(skin.data(), skin.size(), &back));
  EXPECT_EQ(7, back.width);
  EXPECT_EQ(0x090909u, BmpPixelRgb(&back, 3, 4));
  SkinRow row = RowOf(skin);
  EXPECT_STREQ("時計", row.title);
  EXPECT_STREQ("作者", row.author);
  std::string tooLong(256, 't');
  EXPECT_EQ(0, BuildSkinFile(&v, tooLong.c_str(), "", &skin));
  skin[0] = 'B';
  EXPECT_EQ(0, ParseSkinImage(skin.data(), skin.size(), &back));
}

}  // namespace
