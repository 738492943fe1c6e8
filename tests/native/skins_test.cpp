// Skin files, change decisions, wallpaper style values and the preview
// geometry, without the platform.
#include <gtest/gtest.h>
#include <string.h>

#include <string>
#include <vector>

#include "face/skin_image.h"
#include "skins/bmp_view.h"
#include "skins/change_rules.h"
#include "skins/preview_geometry.h"
#include "skins/skin_format.h"
#include "skins/wallpaper_style.h"
#include "tools/assets/canvas.h"
#include "tools/skin/skin_pack.h"

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

TEST(ChangePositions, EveryModeAndEdge) {
  Sequence counting = {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 0};
  struct Case {
    int mode, count, current, expect;
  } cases[] = {
      {PICK_NEXT, 3, 2, 0},     {PICK_PREVIOUS, 3, 0, 2}, {PICK_NEXT, 3, -1, 0},
      {PICK_PREVIOUS, 3, -1, 2}, {PICK_FIRST, 3, 1, 0},   {PICK_LAST, 3, 0, 2},
      // An index left from a fuller folder: next starts over, previous
      // asks for a position the search will not reach.
      {PICK_NEXT, 3, 7, 0},     {PICK_PREVIOUS, 3, 7, 6},
      // Nothing to pick, or nothing else to pick at random.
      {PICK_NEXT, 0, 0, -1},    {PICK_RANDOM, 1, -1, -1}, {99, 3, 0, -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expect, PickPosition(c.mode, c.count, c.current, NextOf, &counting))
        << c.mode << " " << c.count << " " << c.current;
  Sequence mostlyEven = {{0, 2, 4, 7, 8}, 0};
  for (int i = 0; i < 10; i++) EXPECT_EQ(1, PickPosition(PICK_RANDOM, 2, 0, NextOf, &mostlyEven));
}

TEST(WallpaperStyle, RegistryTextsAndIndexes) {
  EXPECT_EQ(0, ParseStyleNumber(""));
  EXPECT_EQ(10, ParseStyleNumber("10x"));
  EXPECT_EQ(123, ParseStyleNumber("12345"));
  EXPECT_EQ(STYLE_TILE, StyleIndexFromValues(1, 2));
  EXPECT_EQ(6, StyleIndexFromValues(0, 6));
  for (int index = 0; index < 3; index++) {
    int tile = -1, style = -1;
    StyleValuesForIndex(index, &tile, &style);
    EXPECT_EQ(index, StyleIndexFromValues(tile, style));
    EXPECT_EQ(index == STYLE_STRETCH ? 2 : 0, style);
  }
}

TEST(PreviewGeometry, ScreenExamplesAndOddSizes) {
  struct Case {
    int bw, bh, screenW, screenH, style;
    PreviewPlan expect;
  } cases[] = {
      {800, 600, 1024, 768, STYLE_CENTER, {0, 0, 800, 600, 16, 12, 160, 120}},
      {800, 600, 1024, 768, STYLE_TILE, {0, 0, 800, 600, 16, 12, 160, 120}},
      {800, 600, 1024, 768, STYLE_STRETCH, {0, 0, 800, 600, 0, 0, 192, 144}},
      {1280, 1024, 1024, 768, STYLE_CENTER, {128, 128, 1024, 768, 0, 0, 192, 144}},
      // Narrower than one preview pixel: still a one-pixel tile.
      {3, 2, 1024, 768, STYLE_TILE, {0, 0, 3, 2, 96, 72, 1, 1}},
      // The rounded-down scale asks for 1024 columns of 1000: clipped.
      {1000, 760, 1024, 768, STYLE_CENTER, {0, 0, 1000, 760, 2, 1, 187, 142}},
  };
  for (const Case& c : cases) {
    PreviewPlan p;
    PlanPreview(c.bw, c.bh, c.screenW, c.screenH, c.style, &p);
    EXPECT_EQ(0, memcmp(&c.expect, &p, sizeof p)) << c.bw << "x" << c.bh << " style " << c.style;
  }
  // A screen smaller than the preview.
  for (int style = 0; style < 3; style++) {
    PreviewPlan p;
    PlanPreview(150, 90, 100, 60, style, &p);
    EXPECT_LE(p.xs + p.sw, 150);
    EXPECT_LE(p.ys + p.sh, 90);
    EXPECT_LE(p.dx + p.dw, PREVIEW_WIDTH);
    EXPECT_LE(p.dy + p.dh, PREVIEW_HEIGHT);
  }
}

SkinRow RowOf(const Bytes& textBlock, const char* name = "clock.qkb") {
  Bytes bmp = BmpBytes(Canvas(4, 4, Rgb{1, 2, 3}), 24), skin;
  BuildSkinFile(bmp.data(), bmp.size(), "", "", &skin);
  skin.resize(skin.size() - 2);
  skin.insert(skin.end(), textBlock.begin(), textBlock.end());
  SkinRow row;
  SetSkinRowDefaults(&row, name);
  ParseSkinTextsOfFile(skin.data(), skin.size(), &row);
  return row;
}

TEST(SkinTexts, DefaultsExactTextsAndCutShortFiles) {
  struct Case {
    Bytes block;
    const char *title, *author;
  } cases[] = {
      {{0, 0}, "clock.qkb", "不明"},
      {{3, 'a', 'b', 'c', 2, 'x', 'y'}, "abc", "xy"},
      {{0, 2, 'x', 'y'}, "clock.qkb", "xy"},
      {{3, 'a', 0, 'c', 1, 'z'}, "a", "z"},  // a zero byte ends a text
      {{5, 'a', 'b'}, "clock.qkb", "不明"},
      {{2, 'a', 'b', 4, 'x'}, "ab", "不明"},
      {{}, "clock.qkb", "不明"},
  };
  for (const Case& c : cases) {
    SkinRow row = RowOf(c.block);
    EXPECT_STREQ(c.title, row.title);
    EXPECT_STREQ(c.author, row.author);
    EXPECT_STREQ("clock.qkb", row.fileName);
  }
}

TEST(SkinTexts, LongTextsAreCutToTheRowAtACharacterBoundary) {
  Bytes block = {255};
  for (int i = 0; i < 255; i++) block.push_back(i % 2 ? 0x5C : 0x95);  // 表 is 0x95 0x5C
  block.push_back(200);
  block.insert(block.end(), 200, 'a');
  SkinRow row = RowOf(block);
  EXPECT_EQ(126u, strlen(row.title));  // 127 would split a character
  EXPECT_EQ(31u, strlen(row.author));
  SetSkinRowDefaults(&row, std::string(PATH_SIZE + 40, 'n').c_str());
  EXPECT_EQ(PATH_SIZE - 1u, strlen(row.fileName));
}

TEST(SkinImage, BuiltSkinIsOneTheFaceLoaderTakes) {
  Canvas face(200, 200, Rgb{0, 0, 0});
  FillCircle(&face, 100, 100, 60, Rgb{255, 255, 255});
  Bytes bmp = BmpBytes(face, 8, BMP_RLE), skin;
  ASSERT_EQ(1, BuildSkinFile(bmp.data(), bmp.size(), "時計", "作者", &skin));
  SkinImage image;
  ASSERT_EQ(SKIN_OK, ParseSkinImage(skin.data(), skin.size(), &image));
  EXPECT_EQ(SKIN_TABLE_OFFSET + 1024u, image.bitsOffset);  // after the full table
  EXPECT_EQ(bmp.size() - 1078, image.bitsSize);          // the stream, still encoded
  EXPECT_EQ(0xFFFFFFu, DibPixelRgb(&image.picture, 100, 100));
  EXPECT_EQ(0u, DibPixelRgb(&image.picture, 100, 20));
  FreeSkinImage(&image);
  SkinRow row;
  FILE* f = tmpfile();
  ASSERT_NE(nullptr, f);
  fwrite(skin.data(), 1, skin.size(), f);
  ReadSkinTexts(f, &row);
  fclose(f);
  EXPECT_STREQ("時計", row.title);
  EXPECT_STREQ("作者", row.author);
  EXPECT_EQ(0, BuildSkinFile(bmp.data(), bmp.size(), std::string(256, 't').c_str(), "", &skin));
}

}  // namespace
