#include "skins/preview_geometry.h"

struct Axis {
  int src, srcLen, dst, dstLen;
};

// One direction of the centre and tile layout: the bitmap at the screen's
// scale, or the middle screen-size part of a bitmap larger than that.
static Axis PlanAxis(int bitmap, int screen, int preview) {
  int scale = screen / preview;
  if (scale < 1) scale = 1;
  Axis a;
  a.src = bitmap > screen ? (bitmap - screen) / 2 : 0;
  int scaled = bitmap / scale;
  if (scaled >= preview) {
    a.dst = 0, a.dstLen = preview, a.srcLen = screen;
  } else {
    a.dst = (preview - scaled) / 2, a.dstLen = scaled, a.srcLen = bitmap;
  }
  // The rounded-down scale can ask for more than the bitmap holds: draw
  // what there is, at the same scale, centred where the whole would be.
  if (a.src + a.srcLen > bitmap) {
    int kept = bitmap - a.src;
    int shown = (int)((long long)a.dstLen * kept / a.srcLen);
    a.dst += (a.dstLen - shown) / 2;
    a.dstLen = shown;
    a.srcLen = kept;
  }
  if (a.dstLen < 1) a.dstLen = 1;
  return a;
}

void PlanPreview(int bw, int bh, int screenW, int screenH, int style, PreviewPlan* plan) {
  if (style == STYLE_STRETCH) {
    *plan = PreviewPlan{0, 0, bw, bh, 0, 0, PREVIEW_WIDTH, PREVIEW_HEIGHT};
    return;
  }
  Axis across = PlanAxis(bw, screenW, PREVIEW_WIDTH), down = PlanAxis(bh, screenH, PREVIEW_HEIGHT);
  *plan = PreviewPlan{across.src, down.src,   across.srcLen, down.srcLen,
                      across.dst, down.dst,   across.dstLen, down.dstLen};
}
