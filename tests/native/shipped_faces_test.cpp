// Whatever the default region keeps of the window is face: neither the
// built-in face nor a sample skin shows the magenta behind its dial there,
// not even blended into an edge pixel.
#include <gtest/gtest.h>

#include "face/region_format.h"
#include "skins/bmp_view.h"
#include "tools/assets/assets.h"
#include "tools/region/disc.h"
#include "tools/skin/sample_faces.h"

namespace {

bool MagentaTinged(uint32_t rgb) {
  return (rgb >> 16) >= 0xC0 && ((rgb >> 8) & 0xFF) <= 0x40 && (rgb & 0xFF) >= 0xC0;
}

TEST(ShippedFaces, CoverEveryPixelOfTheDefaultRegion) {
  RegionRect rects[2 * DISC_SIZE];
  size_t n = BuildRegionRects(DISC_SIZE, DISC_SIZE, InsideDisc, nullptr, rects, 2 * DISC_SIZE);
  ASSERT_GT(n, 0u);
  // Each as it is stored: the built-in face with its palette of 256.
  struct { const char* name; Canvas (*draw)(); int bits; } faces[] = {
      {"built-in", DrawBuiltinFace, 8},
      {"porcelain", DrawPorcelain, 24},
      {"night sakura", DrawNightSakura, 24},
      {"young leaves", DrawYoungLeaves, 24}};
  for (auto f : faces) {
    std::vector<uint8_t> bmp = BmpBytes(f.draw(), f.bits);
    BmpView v;
    ASSERT_EQ(1, ParseBmpFile(bmp.data(), bmp.size(), &v)) << f.name;
    int stray = 0;
    for (size_t i = 0; i < n; i++)
      for (int x = rects[i].left; x < rects[i].right; x++)
        stray += MagentaTinged(DibPixelRgb(&v, x, rects[i].top));
    EXPECT_EQ(0, stray) << f.name;
    // Outside the disc the magenta stays, for a mask-made region.
    EXPECT_EQ(0xFF00FFu, DibPixelRgb(&v, 0, 0)) << f.name;
    FreeBmpView(&v);
  }
}

}  // namespace
