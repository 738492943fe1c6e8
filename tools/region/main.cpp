// Region maker: writes a region file for the clock window.
//   zt_region disc OUT.rgn      a disc of diameter 200 centred in 200 by 200
//   zt_region mask IN.bmp OUT.rgn   every pixel of the bitmap that is not magenta
#include <stdio.h>
#include <string.h>

#include <vector>

#include "face/region_format.h"
#include "skins/bmp_view.h"
#include "tools/region/disc.h"

static int WriteRegion(const char* path, PixelTest inside, const void* context, int w, int h) {
  std::vector<unsigned char> bytes(REGION_MAX_FILE);
  size_t length = MakeRegionFile(w, h, inside, context, bytes.data());
  if (length == 0) {
    fprintf(stderr,
            "zt_region: no region file holds this shape: it must have 1 to %d runs of\n"
            "  pixels (each row counts its runs) and sides of at most %d pixels\n",
            (int)REGION_MAX_RECTS, (int)REGION_MAX_SIDE);
    return 1;
  }
  FILE* f = fopen(path, "wb");
  if (!f || fwrite(bytes.data(), 1, length, f) != length || fclose(f) != 0) {
    fprintf(stderr, "zt_region: cannot write %s\n", path);
    return 1;
  }
  return 0;
}

static bool NotMagenta(int x, int y, const void* context) {
  return DibPixelRgb((const BmpView*)context, x, y) != 0xFF00FF;
}

static int WriteMaskRegion(const char* bmpPath, const char* outPath) {
  std::vector<unsigned char> bytes;
  FILE* f = fopen(bmpPath, "rb");
  if (f) {
    unsigned char chunk[65536];
    for (size_t n; (n = fread(chunk, 1, sizeof chunk, f)) > 0;) bytes.insert(bytes.end(), chunk, chunk + n);
    fclose(f);
  }
  BmpView mask;
  if (!ParseBmpFile(bytes.data(), bytes.size(), &mask)) {
    fprintf(stderr, "zt_region: %s is not a bitmap file\n", bmpPath);
    return 1;
  }
  int result = WriteRegion(outPath, NotMagenta, &mask, mask.width, mask.height);
  FreeBmpView(&mask);
  return result;
}

static void Usage() {
  fprintf(stderr,
          "usage: zt_region disc OUT.rgn\n"
          "       zt_region mask IN.bmp OUT.rgn\n"
          "  disc  a disc of diameter 200 centred in a 200 by 200 window\n"
          "  mask  the window is every pixel of IN.bmp that is not magenta (255, 0, 255);\n"
          "        draw the mask at the size of the face, normally 200 by 200\n");
}

int main(int argc, char** argv) {
  if (argc == 3 && strcmp(argv[1], "disc") == 0)
    return WriteRegion(argv[2], InsideDisc, nullptr, DISC_SIZE, DISC_SIZE);
  if (argc == 4 && strcmp(argv[1], "mask") == 0) return WriteMaskRegion(argv[2], argv[3]);
  Usage();
  return 2;
}
