// Wallpaper bitmaps on arbitrary bytes, and the preview planned for them on
// screens of any size.
#include <stddef.h>
#include <stdint.h>

#include "skins/bmp_view.h"
#include "skins/preview_geometry.h"

static void CheckPlan(const BmpView* view, int screenW, int screenH, int style) {
  PreviewPlan p;
  PlanPreview(view->width, view->height, screenW, screenH, style, &p);
  if (p.xs < 0 || p.ys < 0 || p.sw < 1 || p.sh < 1 || p.xs + p.sw > view->width ||
      p.ys + p.sh > view->height)
    __builtin_trap();
  if (p.dw < 1 || p.dh < 1 || p.dx < 0 || p.dy < 0 || p.dx + p.dw > PREVIEW_WIDTH ||
      p.dy + p.dh > PREVIEW_HEIGHT)
    __builtin_trap();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  int screenW = 1 + (data[0] | data[1] << 8) % 8192, screenH = 1 + (data[2] | data[3] << 8) % 8192;
  BmpView view;
  if (!ParseBmpFile(data + 4, size - 4, &view)) return 0;
  if (view.pixels + view.pixelSize > data + size) __builtin_trap();
  for (int style = 0; style < 3; style++) CheckPlan(&view, screenW, screenH, style);
  BmpPixelRgb(&view, view.width - 1, view.height - 1);
  return 0;
}
