#include "face/hand_paint.h"

#include <agg_rasterizer_scanline_aa_nogamma.h>
#include <agg_renderer_base.h>
#include <agg_renderer_scanline.h>
#include <agg_scanline_u.h>

#include "face/hand_outline.h"

namespace {

// The canvas as AGG's renderers reach it. AGG's own pixel formats bring
// its colour types, whose colour-space tables cost the program more than
// this: a colour is blended in by each pixel's cover, exactly at full
// cover, and the spare byte is left alone.
struct CanvasPixels {
  typedef uint32_t color_type;  // 0x00BBGGRR
  typedef void row_data;
  const PixelCanvas* canvas;

  unsigned width() const { return canvas->width; }
  unsigned height() const { return canvas->height; }
  void blend_hline(int x, int y, unsigned len, color_type c, agg::int8u cover) {
    for (uint8_t* p = Pixel(x, y); len--; p += 4) Blend(p, c, cover);
  }
  void blend_solid_hspan(int x, int y, unsigned len, color_type c, const agg::int8u* covers) {
    for (uint8_t* p = Pixel(x, y); len--; p += 4) Blend(p, c, *covers++);
  }

 private:
  uint8_t* Pixel(int x, int y) const { return canvas->pixels + y * canvas->stride + x * 4; }
  static void Blend(uint8_t* p, color_type c, int cover) {
    for (int i = 0; i < 3; i++) {
      int to = c >> (16 - 8 * i) & 0xFF, d = (to - p[i]) * cover;
      p[i] = (uint8_t)(p[i] + (d + (d < 0 ? -127 : 127)) / 255);
    }
  }
};
typedef agg::renderer_base<CanvasPixels> Renderer;
// Clipped in floating point, so no coordinate overflows the fixed point;
// coverage taken as it is.
typedef agg::rasterizer_scanline_aa_nogamma<agg::rasterizer_sl_clip_dbl> Rasterizer;

// Kept from frame to frame: their stores are allocated on the first.
Rasterizer rasterizer;
agg::scanline_u8 scanline;

// A pixel's centre lies half a pixel in from its corner.
int PixelCentres(const HandShape* shape, int count, OutlinePoint* out) {
  for (int i = 0; i < count; i++) out[i] = {shape->points[i].x + 0.5, shape->points[i].y + 0.5};
  return count;
}

void AddPolygon(const OutlinePolygon* polygon, bool reversed) {
  for (int k = 0; k < polygon->count; k++) {
    const OutlinePoint& p = polygon->points[reversed ? polygon->count - 1 - k : k];
    if (k == 0) rasterizer.move_to_d(p.x, p.y);
    else rasterizer.line_to_d(p.x, p.y);
  }
  rasterizer.close_polygon();
}

void AddCircle(HandPoint centre, double radius, bool reversed) {
  OutlinePolygon circle;
  if (radius > 0 && CircleShape(OutlinePoint{(double)centre.x, (double)centre.y}, radius, &circle))
    AddPolygon(&circle, reversed);
}

void Fill(Renderer* renderer, uint32_t colour) {
  agg::render_scanlines_aa_solid(rasterizer, scanline, *renderer, colour);
  rasterizer.reset();
}

// The outline over the inside, or round a hole where there is none.
void PaintPolygon(Renderer* renderer, const OutlinePoint* corners, int count, double halfWidth,
                  const HandInk* ink) {
  OutlinePolygon pen, inside[2];
  PenShape(corners, count, halfWidth, &pen);
  int pieces = count > 2 ? InsideShape(corners, count, halfWidth, inside) : 0;
  AddPolygon(&pen, false);
  if (!ink->filled)
    for (int i = 0; i < pieces; i++) AddPolygon(&inside[i], true);
  Fill(renderer, ink->outline);
  if (!ink->filled || pieces == 0) return;
  for (int i = 0; i < pieces; i++) AddPolygon(&inside[i], false);
  Fill(renderer, ink->inside);
}

// The pens draw a circle through the centres of the pixels just inside
// its box, whose corner is the point radius up and left of the centre.
void PaintCircle(Renderer* renderer, HandPoint centre, double halfWidth, const HandInk* ink) {
  double path = ink->radius - 0.5;
  AddCircle(centre, path + halfWidth, false);
  if (!ink->filled) AddCircle(centre, path - halfWidth, true);
  Fill(renderer, ink->outline);
  if (!ink->filled) return;
  AddCircle(centre, path - halfWidth, false);
  Fill(renderer, ink->inside);
}

}  // namespace

void PaintHand(const PixelCanvas* canvas, const HandShape* shape, const HandInk* ink) {
  if (!canvas->pixels || canvas->width <= 0 || canvas->height <= 0 ||
      canvas->stride / 4 < canvas->width || shape->count < 1 || shape->count > HAND_CORNERS)
    return;
  CanvasPixels pixels = {canvas};
  Renderer renderer(pixels);
  rasterizer.reset();
  rasterizer.clip_box(0, 0, canvas->width, canvas->height);
  // A pen is never thinner than a pixel.
  double halfWidth = (ink->penWidth > 1 ? ink->penWidth : 1) / 2.0;
  OutlinePoint corners[HAND_CORNERS];
  int count = PixelCentres(shape, shape->count, corners);
  // A line is a polygon of two corners: all pen, nothing inside.
  if (shape->kind == SHAPE_POLYGON || shape->kind == SHAPE_LINE || shape->kind == SHAPE_BALLOON)
    PaintPolygon(&renderer, corners, count, halfWidth, ink);
  if (shape->kind == SHAPE_BALLOON) PaintCircle(&renderer, shape->center, halfWidth, ink);
}
