// Region maker: writes a region file for the clock window.
//   zt_region disc OUT.rgn      a disc of diameter 200 centred in 200 by 200
#include <stdio.h>
#include <string.h>

#include <vector>

#include "face/region_format.h"

static const int kSize = 200;

static bool InsideDisc(int x, int y, const void*) {
  // Pixel centres within the circle through the window's edges.
  double dx = x + 0.5 - kSize / 2.0, dy = y + 0.5 - kSize / 2.0;
  return dx * dx + dy * dy <= (kSize / 2.0) * (kSize / 2.0);
}

static int WriteRegion(const char* path, PixelTest inside, const void* context, int w, int h) {
  std::vector<RegionRect> rects((size_t)w * h / 2 + 1);
  size_t n = BuildRegionRects(w, h, inside, context, rects.data(), rects.size());
  if (RegionFileSize(n) - REGION_HEADER_SIZE > 32767) {
    fprintf(stderr, "zt_region: the shape needs more than 32767 bytes of region data\n");
    return 1;
  }
  std::vector<unsigned char> bytes(RegionFileSize(n));
  FormatRegionFile(rects.data(), n, w, h, bytes.data());
  FILE* f = fopen(path, "wb");
  if (!f || fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || fclose(f) != 0) {
    fprintf(stderr, "zt_region: cannot write %s\n", path);
    return 1;
  }
  return 0;
}

static void Usage() {
  fprintf(stderr,
          "usage: zt_region disc OUT.rgn\n"
          "  disc  a disc of diameter 200 centred in a 200 by 200 window\n");
}

int main(int argc, char** argv) {
  if (argc == 3 && strcmp(argv[1], "disc") == 0)
    return WriteRegion(argv[2], InsideDisc, nullptr, kSize, kSize);
  Usage();
  return 2;
}
