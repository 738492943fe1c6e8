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

TEST(WallpaperStyle, RegistryTextsAndTheBoxOnEachSystem) {
  EXPECT_EQ(0, ParseStyleNumber(""));
  EXPECT_EQ(10, ParseStyleNumber("10x"));
  EXPECT_EQ(123, ParseStyleNumber("12345"));
  struct System {
    int nt, major, minor, boxSize;
  } systems[] = {{0, 4, 10, 3}, {1, 4, 0, 3}, {1, 5, 1, 3}, {1, 6, 0, 3},
                 {1, 6, 1, 5}, {1, 6, 2, 6}, {1, 6, 3, 6}, {1, 10, 0, 6}};
  // The values Windows writes for centre, tile, stretch, fit, fill and span.
  const int written[][2] = {{0, 0}, {1, 0}, {0, 2}, {0, 6}, {0, 10}, {0, 22}};
  for (const System& system : systems) {
    int offered = StylesOfSystem(system.nt, system.major, system.minor);
    SCOPED_TRACE(testing::Message() << system.major << "." << system.minor);
    EXPECT_EQ(system.boxSize, offered);
    for (int i = 0; i < 6; i++) {
      StyleBox box;
      PlanStyleBox(offered, written[i][0], written[i][1], &box);
      // A style of this system has an entry of its own; one of a newer
      // system is shown as a stranger. Either entry writes back the
      // values it was read from, and is drawn as its style or centred.
      EXPECT_EQ(i < offered ? i : offered, box.selected) << i;
      EXPECT_EQ(i >= offered, box.stranger) << i;
      int tile = -1, style = -1;
      EntryValues(&box, box.selected, &tile, &style);
      EXPECT_EQ(written[i][0], tile) << i;
      EXPECT_EQ(written[i][1], style) << i;
      EXPECT_EQ(i < offered ? i : STYLE_CENTER, EntryPreviewStyle(&box, box.selected)) << i;
    }
    // A number no Windows writes, and tiling over a style number.
    StyleBox box;
    PlanStyleBox(offered, 0, 7, &box);
    EXPECT_TRUE(box.stranger);
    EXPECT_EQ(offered, box.selected);
    PlanStyleBox(offered, 1, 2, &box);
    EXPECT_EQ(STYLE_TILE, box.selected);
    int tile = -1, style = -1;
    EntryValues(&box, box.selected, &tile, &style);
    EXPECT_EQ(0, style);
  }
}

TEST(PreviewGeometry, ScreenExamplesAndOddSizes) {
  const PreviewScreen xga = {1024, 768, 0, 0, 0, 0};
  // Two such screens side by side, the one shown on the left or the right.
  const PreviewScreen leftOfTwo = {1024, 768, 0, 0, 2048, 768},
                      rightOfTwo = {1024, 768, -1024, 0, 2048, 768},
                      // Monitors that do not hold the screen: the screen alone.
                      beside = {1024, 768, 1024, 0, 1024, 768};
  struct Case {
    int bw, bh;
    const PreviewScreen* screen;
    int style;
    PreviewPlan expect;
  } cases[] = {
      {800, 600, &xga, STYLE_CENTER, {0, 0, 800, 600, 16, 12, 160, 120}},
      {800, 600, &xga, STYLE_TILE, {0, 0, 800, 600, 16, 12, 160, 120}},
      {800, 600, &xga, STYLE_STRETCH, {0, 0, 800, 600, 0, 0, 192, 144}},
      {1280, 1024, &xga, STYLE_CENTER, {128, 128, 1024, 768, 0, 0, 192, 144}},
      // Narrower than one preview pixel: still a one-pixel tile.
      {3, 2, &xga, STYLE_TILE, {0, 0, 3, 2, 96, 72, 1, 1}},
      // The rounded-down scale asks for 1024 columns of 1000: clipped.
      {1000, 760, &xga, STYLE_CENTER, {0, 0, 1000, 760, 2, 1, 187, 142}},
      // Fit: the whole picture, bars above and below or left and right.
      {512, 256, &xga, STYLE_FIT, {0, 0, 512, 256, 0, 24, 192, 96}},
      {300, 600, &xga, STYLE_FIT, {0, 0, 300, 600, 60, 0, 72, 144}},
      // Fill: the middle of the picture with the screen's shape, everywhere.
      {512, 256, &xga, STYLE_FILL, {85, 0, 341, 256, 0, 0, 192, 144}},
      {300, 600, &xga, STYLE_FILL, {0, 187, 300, 225, 0, 0, 192, 144}},
      {512, 256, &leftOfTwo, STYLE_FILL, {85, 0, 341, 256, 0, 0, 192, 144}},
      // Span: fill over both screens, of which this one shows its half.
      {2048, 768, &leftOfTwo, STYLE_SPAN, {0, 0, 1024, 768, 0, 0, 192, 144}},
      {2048, 768, &rightOfTwo, STYLE_SPAN, {1024, 0, 1024, 768, 0, 0, 192, 144}},
      {800, 600, &leftOfTwo, STYLE_SPAN, {0, 150, 400, 300, 0, 0, 192, 144}},
      {512, 256, &xga, STYLE_SPAN, {85, 0, 341, 256, 0, 0, 192, 144}},
      {512, 256, &beside, STYLE_SPAN, {85, 0, 341, 256, 0, 0, 192, 144}},
  };
  for (const Case& c : cases) {
    PreviewPlan p;
    PlanPreview(c.bw, c.bh, c.screen, c.style, &p);
    EXPECT_EQ(0, memcmp(&c.expect, &p, sizeof p))
        << c.bw << "x" << c.bh << " style " << c.style << ": " << p.xs << "," << p.ys << " "
        << p.sw << "x" << p.sh << " to " << p.dx << "," << p.dy << " " << p.dw << "x" << p.dh;
  }
  // A screen smaller than the preview, and pictures of one pixel's
  // height or width.
  const PreviewScreen small = {100, 60, -50, 0, 150, 60};
  const struct {
    int w, h;
  } pictures[] = {{150, 90}, {1, 4000}, {4000, 1}};
  for (int style = 0; style < STYLE_COUNT; style++) {
    for (const auto& picture : pictures) {
      PreviewPlan p;
      PlanPreview(picture.w, picture.h, &small, style, &p);
      EXPECT_TRUE(p.xs >= 0 && p.sw >= 1 && p.xs + p.sw <= picture.w) << style;
      EXPECT_TRUE(p.ys >= 0 && p.sh >= 1 && p.ys + p.sh <= picture.h) << style;
      EXPECT_TRUE(p.dx >= 0 && p.dw >= 1 && p.dx + p.dw <= PREVIEW_WIDTH) << style;
      EXPECT_TRUE(p.dy >= 0 && p.dh >= 1 && p.dy + p.dh <= PREVIEW_HEIGHT) << style;
    }
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
