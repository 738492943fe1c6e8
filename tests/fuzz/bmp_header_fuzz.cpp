// Wallpaper bitmaps on arbitrary bytes, in every layout, and the preview
// planned for them on screens of any size.
#include <stddef.h>
#include <stdint.h>

#include "skins/bmp_view.h"
#include "skins/preview_geometry.h"

static void CheckPlan(const BmpView* view, const PreviewScreen* screen, int style) {
  PreviewPlan p;
  PlanPreview(view->width, view->height, screen, style, &p);
  if (p.xs < 0 || p.ys < 0 || p.sw < 1 || p.sh < 1 || p.xs + p.sw > view->width ||
      p.ys + p.sh > view->height)
    __builtin_trap();
  if (p.dw < 1 || p.dh < 1 || p.dx < 0 || p.dy < 0 || p.dx + p.dw > PREVIEW_WIDTH ||
      p.dy + p.dh > PREVIEW_HEIGHT)
    __builtin_trap();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 8) return 0;
  int screenW = 1 + (data[0] | data[1] << 8) % 8192, screenH = 1 + (data[2] | data[3] << 8) % 8192;
  // Monitors around the screen, or ones that do not hold it.
  int left = (data[4] % 64 - 32) * 128, top = (data[5] % 64 - 32) * 128;
  PreviewScreen screen = {screenW, screenH, left, top, data[6] * 128, data[7] * 128};
  BmpView view;
  // A small limit on made rows keeps each run quick; the bound is the same.
  if (!ParseBmpFile(data + 8, size - 8, &view, 1 << 16)) return 0;
  uint64_t rows = (uint64_t)DibRowBytes(view.width, view.bitCount) * (uint64_t)view.height;
  int inFile = view.pixels >= data && view.pixels + view.pixelSize <= data + size;
  if (view.pixelSize != rows || (!inFile && view.pixels != view.decoded)) __builtin_trap();
  for (int style = 0; style < STYLE_COUNT; style++) CheckPlan(&view, &screen, style);
  DibPixelRgb(&view, view.width - 1, view.height - 1);
  DibPixelRgb(&view, 0, 0);
  FreeBmpView(&view);
  return 0;
}
