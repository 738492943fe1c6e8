// Region files read by the Win32 loader, whole and cut short.
#include <gtest/gtest.h>

#include "base/dpi_scale.h"
#include "face/region.h"
#include "win_support.h"

namespace {

bool InsideCross(int x, int y, const void*) { return (x >= 4 && x < 8) || (y >= 4 && y < 8); }

std::string CrossRegionFile() {
  RegionRect rects[32];
  size_t n = BuildRegionRects(12, 12, InsideCross, nullptr, rects, 32);
  std::string bytes(RegionFileSize(n), '\0');
  FormatRegionFile(rects, n, 12, 12, (unsigned char*)&bytes[0]);
  return bytes;
}

// The region of a file at 96 DPI, as the loader gives it; NULL with the
// loader's message (if any) noted by catcher.
HRGN LoadRegionFile(const std::string& path, WindowShape* shape) {
  ClockOutline outline;
  if (!LoadClockOutline(path.c_str(), &outline)) return NULL;
  HRGN region = OutlineRegion(&outline, BASE_DPI, shape);
  FreeClockOutline(&outline);
  return region;
}

TEST(RegionLoader, ValidFileGivesItsShapeAndSize) {
  TempDataFolder folder;
  std::string path = folder.DataDir() + "ZENTICK.rgn";
  WriteFileBytes(path, CrossRegionFile());
  WindowShape shape = {0, 0};
  MessageBoxCatcher catcher;
  HRGN region = LoadRegionFile(path, &shape);
  ASSERT_NE(nullptr, region);
  EXPECT_TRUE(catcher.boxes.empty());
  EXPECT_EQ(12, shape.width);
  EXPECT_EQ(12, shape.height);
  EXPECT_TRUE(PtInRegion(region, 5, 0));
  EXPECT_TRUE(PtInRegion(region, 0, 5));
  EXPECT_FALSE(PtInRegion(region, 1, 1));
  EXPECT_FALSE(PtInRegion(region, 11, 11));
  DeleteObject(region);
}

TEST(RegionLoader, CutFilesGiveTheRectanglesPresentOrOneMessage) {
  TempDataFolder folder;
  std::string path = folder.DataDir() + "ZENTICK.rgn";
  std::string whole = CrossRegionFile();
  for (size_t length = 0; length < whole.size(); length++) {
    SCOPED_TRACE(length);
    WriteFileBytes(path, whole.substr(0, length));
    WindowShape shape;
    MessageBoxCatcher catcher;
    HRGN region = LoadRegionFile(path, &shape);
    if (length >= 16 + 32 + 16) {  // the first row's rectangle is whole
      ASSERT_NE(nullptr, region);
      EXPECT_TRUE(PtInRegion(region, 5, 0));
      EXPECT_FALSE(PtInRegion(region, 5, 11));  // the last row is cut off
      EXPECT_TRUE(catcher.boxes.empty());
      DeleteObject(region);
      continue;
    }
    EXPECT_EQ(nullptr, region);
    ASSERT_EQ(1u, catcher.boxes.size());
    EXPECT_EQ("ERROR", catcher.boxes[0].caption);
    EXPECT_EQ(length < 4 ? "File format wrong" : "File Format wrong", catcher.boxes[0].text);
  }
}

TEST(RegionLoader, ApplyGivesTheWindowItsSizeAtTheSameCorner) {
  TempDataFolder folder;
  std::string path = folder.DataDir() + "ZENTICK.rgn";
  WriteFileBytes(path, CrossRegionFile());
  HWND w = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 30, 40, 0, 0, NULL, NULL,
                           NULL, NULL);
  ClockOutline outline;
  ASSERT_TRUE(LoadClockOutline(path.c_str(), &outline));
  ASSERT_TRUE(ApplyOutline(w, &outline, BASE_DPI));
  FreeClockOutline(&outline);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(30, r.left);
  EXPECT_EQ(40, r.top);
  EXPECT_EQ(12, r.right - r.left);
  EXPECT_EQ(12, r.bottom - r.top);
  DestroyWindow(w);
  MessageBoxCatcher catcher;
  EXPECT_FALSE(LoadClockOutline((folder.DataDir() + "none.rgn").c_str(), &outline));
  ASSERT_EQ(1u, catcher.boxes.size());
  EXPECT_EQ("Not found rgn file\n" + folder.DataDir() + "none.rgn", catcher.boxes[0].text);
}

}  // namespace
