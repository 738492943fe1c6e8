// The one rule that sizes the face at a screen's DPI: lengths, the
// region's rectangles and the hands all scale by it, and at 96 nothing moves.
#include "base/dpi_scale.h"

#include <gtest/gtest.h>

#include "base/little_endian.h"
#include "face/hand_geometry.h"
#include "face/region_format.h"

namespace {

TEST(DpiScale, LengthsRegionsAndHandsAtEachDpi) {
  const struct {
    int dpi, side, one, font, backwards;  // 200, 1, 14 and -3 scaled
  } cases[] = {{96, 200, 1, 14, -3}, {120, 250, 1, 18, -4}, {144, 300, 2, 21, -5},
               {192, 400, 2, 28, -6}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dpi);
    EXPECT_EQ(c.side, ScaleToDpi(200, c.dpi));
    EXPECT_EQ(c.one, ScaleToDpi(1, c.dpi));
    EXPECT_EQ(c.font, ScaleToDpi(14, c.dpi));
    EXPECT_EQ(c.backwards, ScaleToDpi(-3, c.dpi));

    // Two rectangles that meet at x = 3 still meet after scaling.
    RegionRect rects[2] = {{0, 0, 3, 1}, {3, 0, 7, 1}};
    unsigned char file[64 + 2 * REGION_RECT_SIZE];
    FormatRegionFile(rects, 2, 7, 1, file);
    unsigned char* block = file + REGION_HEADER_SIZE;
    ScaleRegionBlock(block, REGION_DATA_HEADER_SIZE + 2 * REGION_RECT_SIZE, c.dpi);
    const unsigned char* first = block + REGION_DATA_HEADER_SIZE;
    EXPECT_EQ(ReadLe32(first + 8), ReadLe32(first + REGION_RECT_SIZE));
    EXPECT_EQ((uint32_t)ScaleToDpi(7, c.dpi), ReadLe32(block + 16 + 8));  // the bounds' right
    EXPECT_EQ(2u, ReadLe32(block + 8));                                   // the count untouched

    // The second hand of design 1 at :00 reaches straight up from the
    // pivot, as long as the scaled length (truncated toward the pivot).
    HandLengths lengths;
    ASSERT_TRUE(DesignLengths(DESIGN_SQUARE, &lengths));
    int pivot = ScaleToDpi(HAND_PIVOT, c.dpi);
    HandFrame frame;
    ComputeHands(DESIGN_SQUARE, &lengths, HandPoint{pivot, pivot}, 3, 0, 0, &frame, c.dpi);
    EXPECT_EQ(pivot, frame.second.points[1].x);
    EXPECT_NEAR(pivot - ScaleToDpi(lengths.second, c.dpi), frame.second.points[1].y, 1);
  }
}

}  // namespace
