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

// a * b / c to the nearest whole number, for positive c.
static long long Scaled(long long a, long long b, long long c) { return (a * b + c / 2) / c; }

static int Within(long long value, int low, int high) {
  return value < low ? low : value > high ? high : (int)value;
}

// Fit: the whole picture as large as the screen lets it be, the rest of
// the screen in the desktop colour.
static void PlanFit(int bw, int bh, int w, int h, PreviewPlan* p) {
  if ((long long)bw * h >= (long long)bh * w) {
    p->dh = Within(Scaled((long long)bh * w, PREVIEW_HEIGHT, (long long)bw * h), 1, PREVIEW_HEIGHT);
    p->dy = (PREVIEW_HEIGHT - p->dh) / 2;
  } else {
    p->dw = Within(Scaled((long long)bw * h, PREVIEW_WIDTH, (long long)bh * w), 1, PREVIEW_WIDTH);
    p->dx = (PREVIEW_WIDTH - p->dw) / 2;
  }
}

// The middle part of the picture with the shape of a w by h area: what
// covers that area when the picture is scaled until nothing is left bare.
static void CoverArea(int bw, int bh, int w, int h, PreviewPlan* p) {
  p->xs = p->ys = 0, p->sw = bw, p->sh = bh;
  if ((long long)bw * h > (long long)bh * w) {
    p->sw = Within(Scaled(bh, w, h), 1, bw);
    p->xs = (bw - p->sw) / 2;
  } else {
    p->sh = Within(Scaled(bw, h, w), 1, bh);
    p->ys = (bh - p->sh) / 2;
  }
}

// Span covers every monitor as fill covers one screen; the miniature shows
// the part that falls on its screen. The whole preview is covered.
static void PlanSpan(int bw, int bh, const PreviewScreen* s, PreviewPlan* p) {
  int left = s->allLeft, top = s->allTop, w = s->allWidth, h = s->allHeight;
  // Monitors that do not hold the screen are no monitors the system has.
  if (w < 1 || h < 1 || left > 0 || top > 0 || (long long)left + w < s->width ||
      (long long)top + h < s->height)
    left = top = 0, w = s->width, h = s->height;
  PreviewPlan all;
  CoverArea(bw, bh, w, h, &all);
  p->sw = Within(Scaled(s->width, all.sw, w), 1, bw);
  p->sh = Within(Scaled(s->height, all.sh, h), 1, bh);
  p->xs = Within(all.xs + Scaled(-left, all.sw, w), 0, bw - p->sw);
  p->ys = Within(all.ys + Scaled(-top, all.sh, h), 0, bh - p->sh);
}

void PlanPreview(int bw, int bh, const PreviewScreen* screen, int style, PreviewPlan* plan) {
  PreviewScreen s = *screen;
  if (s.width < 1) s.width = 1;
  if (s.height < 1) s.height = 1;
  *plan = PreviewPlan{0, 0, bw, bh, 0, 0, PREVIEW_WIDTH, PREVIEW_HEIGHT};
  switch (style) {
    case STYLE_STRETCH:
      return;
    case STYLE_FIT:
      PlanFit(bw, bh, s.width, s.height, plan);
      return;
    case STYLE_FILL:
      s.allWidth = 0;  // the screen alone
      PlanSpan(bw, bh, &s, plan);
      return;
    case STYLE_SPAN:
      PlanSpan(bw, bh, &s, plan);
      return;
  }
  Axis across = PlanAxis(bw, s.width, PREVIEW_WIDTH), down = PlanAxis(bh, s.height, PREVIEW_HEIGHT);
  *plan = PreviewPlan{across.src, down.src,   across.srcLen, down.srcLen,
                      across.dst, down.dst,   across.dstLen, down.dstLen};
}
