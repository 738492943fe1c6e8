// Time to draw the wallpaper preview, per style, for a screen-size bitmap
// and for one small enough to tile a pixel a tile.
//   (under Wine) build/win-ARCH/zt_preview_bench.exe [ROUNDS]
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>

#include "skins/bmp_view.h"
#include "skins/wallpaper_preview.h"

static std::string WriteBitmap(int width, int height) {
  size_t stride = DibRowBytes(width, 24);
  std::string b(54 + stride * height, '\0');
  auto put32 = [&](size_t at, unsigned v) {
    for (int i = 0; i < 4; i++) b[at + i] = (char)(v >> (8 * i));
  };
  b[0] = 'B', b[1] = 'M';
  put32(2, (unsigned)b.size());
  put32(10, 54);
  put32(14, 40);
  put32(18, width);
  put32(22, height);
  b[26] = 1, b[28] = 24;
  for (size_t i = 54; i < b.size(); i++) b[i] = (char)(i * 7);
  char dir[MAX_PATH], path[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  wsprintfA(path, "%szt_bench_%dx%d.bmp", dir, width, height);
  FILE* f = fopen(path, "wb");
  fwrite(b.data(), 1, b.size(), f);
  fclose(f);
  return path;
}

int main(int argc, char** argv) {
  int rounds = argc > 1 ? atoi(argv[1]) : 50;
  HDC screen = GetDC(NULL);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bits = CreateCompatibleBitmap(screen, PREVIEW_PICTURE_WIDTH, PREVIEW_PICTURE_HEIGHT);
  SelectObject(dc, bits);
  LARGE_INTEGER freq;
  QueryPerformanceFrequency(&freq);
  const struct {
    int w, h;
  } sizes[] = {{1024, 768}, {1920, 1200}, {2, 2}};
  static const char* const styles[STYLE_COUNT] = {"centre", "tile", "stretch", "fit", "fill", "span"};
  for (const auto& s : sizes) {
    std::string path = WriteBitmap(s.w, s.h);
    for (int style = 0; style < STYLE_COUNT; style++) {
      PreviewTarget target = {dc, 0, 0, {1024, 768, 0, 0, 2048, 768}, 96};
      LARGE_INTEGER t0, t1;
      QueryPerformanceCounter(&t0);
      for (int i = 0; i < rounds; i++) PaintWallpaperPreview(&target, path.c_str(), style);
      QueryPerformanceCounter(&t1);
      printf("%4dx%-4d %-7s %8.2f ms per preview\n", s.w, s.h, styles[style],
             1000.0 * (t1.QuadPart - t0.QuadPart) / freq.QuadPart / rounds);
    }
    DeleteFileA(path.c_str());
  }
  DeleteObject(bits);
  DeleteDC(dc);
  ReleaseDC(NULL, screen);
  return 0;
}
