#include "face/hand_paint.h"

#include <agg_rasterizer_scanline_aa_nogamma.h>
#include <agg_renderer_base.h>
#include <agg_scanline_p.h>
#include <stdlib.h>
#include <string.h>

#include <new>

#include "face/hand_outline.h"

namespace {

// The canvas as AGG's renderers reach it. AGG's own pixel formats bring
// its colour types, whose colour-space tables cost the program more than
// this: a colour is blended in by each pixel's cover, whole at full cover,
// and the spare byte is left alone.
struct CanvasPixels {
  typedef uint32_t color_type;  // 0x00BBGGRR
  typedef void row_data;
  const PixelCanvas* canvas;

  unsigned width() const { return canvas->width; }
  unsigned height() const { return canvas->height; }
  void blend_hline(int x, int y, unsigned len, color_type c, agg::int8u cover) {
    uint8_t* p = Pixel(x, y);
    if (cover == agg::cover_full) {
      for (uint8_t blue = c >> 16, green = c >> 8, red = c; len--; p += 4)
        p[0] = blue, p[1] = green, p[2] = red;
      return;
    }
    Blend(p, len, Bgr(c), &cover, 0);
  }
  void blend_solid_hspan(int x, int y, unsigned len, color_type c, const agg::int8u* covers) {
    Blend(Pixel(x, y), len, Bgr(c), covers, 1);
  }

 private:
  uint8_t* Pixel(int x, int y) const { return canvas->pixels + y * canvas->stride + x * 4; }
  // The colour as a pixel holds it, the spare byte 0.
  static uint32_t Bgr(color_type c) { return (c >> 16 & 0xFF) | (c & 0xFF00) | (c & 0xFF) << 16; }
  // The colour mixed into len pixels by their covers / 255 (as cover + 1
  // / 256), red and blue in one product, green in another; the covers
  // move on by step, 0 for one cover for all.
  static void Blend(uint8_t* p, unsigned len, uint32_t bgr, const agg::int8u* covers, int step) {
    for (; len--; p += 4, covers += step) {
      uint32_t v, a = *covers + (*covers >> 7);
      memcpy(&v, p, 4);
      uint32_t redBlue = ((v & 0xFF00FF) * (256 - a) + (bgr & 0xFF00FF) * a) >> 8 & 0xFF00FF;
      uint32_t green = ((v & 0xFF00) * (256 - a) + (bgr & 0xFF00) * a) >> 8 & 0xFF00;
      v = (v & 0xFF000000) | redBlue | green;
      memcpy(p, &v, 4);
    }
  }
};
typedef agg::renderer_base<CanvasPixels> Renderer;
// Coverage taken as it is; what reaches out of the canvas is cut to it
// before it is added (ClipToBox), so every coordinate fits AGG's fixed
// point.
typedef agg::rasterizer_scanline_aa_nogamma<agg::rasterizer_sl_no_clip> Rasterizer;

// A part of a hand: its polygon or line, or a balloon's circle (one
// point, its centre).
enum PartKind { PART_POLYGON, PART_CIRCLE };
struct Part {
  int kind, count;
  HandPoint points[HAND_CORNERS];
};

// Three hands of two parts, with one more traced each second.
enum { KEPT_PARTS = 8, PART_FILLS = 2 };

// A run of pixels of one fill: len pixels with a cover each from the
// part's covers at cover on, or -len pixels all of the cover there.
struct CoverSpan {
  int x, y, len;
  unsigned cover;
};

// A part traced lately, with the covers of its outline and its inside.
// The hour and minute hands move once a minute but are painted every
// second, and every balloon's circle is the same circle moved: their
// covers are painted again. A part that lay inside the canvas was traced
// about its first point and fits wherever that point is; one that reached
// out was clipped to the canvas and fits only where it was.
struct TracedPart {
  Part part;  // about its first point when not clipped
  HandInk ink;
  int clipped, width, height;
  int fills;
  uint32_t colours[PART_FILLS];
  unsigned ends[PART_FILLS];  // where each fill's spans end
  CoverSpan* spans;
  unsigned spanCount, spanRoom;
  agg::int8u* covers;
  unsigned coverCount, coverRoom;
  unsigned used;  // the paint it was last painted by
};

// What the painter keeps from frame to frame, made on the first paint and
// kept for the program's life (so no constructor runs at start-up, and
// the stores grow only at first).
struct Painter {
  Rasterizer rasterizer;
  agg::scanline_p8 scanline;  // runs of one cover come whole
  TracedPart traced[KEPT_PARTS];
  unsigned paints;
};
Painter* kept;

void AddPolygon(const TracedPart* t, OutlinePolygon polygon, bool reversed) {
  if (t->clipped) ClipToBox(&polygon, t->width, t->height);
  for (int k = 0; k < polygon.count; k++) {
    const OutlinePoint& p = polygon.points[reversed ? polygon.count - 1 - k : k];
    if (k == 0) kept->rasterizer.move_to_d(p.x, p.y);
    else kept->rasterizer.line_to_d(p.x, p.y);
  }
  kept->rasterizer.close_polygon();
}

void AddCircle(const TracedPart* t, double radius, bool reversed) {
  HandPoint centre = t->part.points[0];
  OutlinePolygon circle;
  if (radius > 0 && CircleShape(OutlinePoint{(double)centre.x, (double)centre.y}, radius, &circle))
    AddPolygon(t, circle, reversed);
}

// Room for more items of size bytes after used, grown by half again:
// false when there is no memory for it.
bool Grow(void* items, unsigned* room, unsigned used, unsigned more, unsigned size) {
  if (used + more <= *room) return true;
  unsigned want = (used + more) * 3 / 2 + 16;
  void* grown = realloc(*(void**)items, want * size);
  if (!grown) return false;
  *(void**)items = grown, *room = want;
  return true;
}

// Keeps the covers of what was added as the part's next fill.
void Fill(TracedPart* t, uint32_t colour) {
  Rasterizer& rasterizer = kept->rasterizer;
  agg::scanline_p8& line = kept->scanline;
  if (rasterizer.rewind_scanlines()) {
    line.reset(rasterizer.min_x(), rasterizer.max_x());
    while (rasterizer.sweep_scanline(line)) {
      agg::scanline_p8::const_iterator span = line.begin();
      for (unsigned n = line.num_spans(); n--; ++span) {
        unsigned covers = span->len < 0 ? 1 : span->len;
        if (!Grow(&t->spans, &t->spanRoom, t->spanCount, 1, sizeof *t->spans) ||
            !Grow(&t->covers, &t->coverRoom, t->coverCount, covers, 1))
          break;
        t->spans[t->spanCount++] = {span->x, line.y(), span->len, t->coverCount};
        memcpy(t->covers + t->coverCount, span->covers, covers);
        t->coverCount += covers;
      }
    }
  }
  t->ends[t->fills] = t->spanCount;
  t->colours[t->fills++] = colour;
  rasterizer.reset();
}

// The outline over the inside, or round a hole where there is none. A
// pixel's centre lies half a pixel in from its corner.
void TracePolygon(TracedPart* t, double halfWidth) {
  OutlinePoint corners[HAND_CORNERS] = {};
  int count = t->part.count;
  for (int i = 0; i < count; i++)
    corners[i] = {t->part.points[i].x + 0.5, t->part.points[i].y + 0.5};
  OutlinePolygon pen, inside[2];
  PenShape(corners, count, halfWidth, &pen);
  int pieces = count > 2 ? InsideShape(corners, count, halfWidth, inside) : 0;
  AddPolygon(t, pen, false);
  if (!t->ink.filled)
    for (int i = 0; i < pieces; i++) AddPolygon(t, inside[i], true);
  Fill(t, t->ink.outline);
  if (!t->ink.filled || pieces == 0) return;
  for (int i = 0; i < pieces; i++) AddPolygon(t, inside[i], false);
  Fill(t, t->ink.inside);
}

// The pens draw a circle through the centres of the pixels just inside
// its box, whose corner is the point radius up and left of the centre.
void TraceCircle(TracedPart* t, double halfWidth) {
  double path = t->ink.radius - 0.5;
  AddCircle(t, path + halfWidth, false);
  if (!t->ink.filled) AddCircle(t, path - halfWidth, true);
  Fill(t, t->ink.outline);
  if (!t->ink.filled) return;
  AddCircle(t, path - halfWidth, false);
  Fill(t, t->ink.inside);
}

// Whether the part lies in the canvas with all its pen draws.
bool Inside(const Part& part, const HandInk* ink, double halfWidth, int width, int height) {
  double margin = halfWidth + 1 + (part.kind == PART_CIRCLE ? ink->radius : 0);
  for (int i = 0; i < part.count; i++) {
    const HandPoint& p = part.points[i];
    if (p.x - margin < 0 || p.y - margin < 0 || p.x + margin > width || p.y + margin > height)
      return false;
  }
  return true;
}

bool SamePart(const TracedPart& t, const Part& part, const HandInk* ink, int clipped, int width,
              int height) {
  if (!t.fills || t.clipped != clipped || memcmp(&t.ink, ink, sizeof *ink) ||
      t.part.kind != part.kind || t.part.count != part.count)
    return false;
  if (clipped && (t.width != width || t.height != height)) return false;
  for (int i = 0; i < part.count; i++)
    if (t.part.points[i].x != part.points[i].x || t.part.points[i].y != part.points[i].y)
      return false;
  return true;
}

// The part's covers, kept or traced now in place of the part painted
// longest ago, and the point they are to be painted at.
TracedPart* Trace(Part part, const HandInk* ink, int width, int height, HandPoint* at) {
  // A pen is never thinner than a pixel.
  double halfWidth = (ink->penWidth > 1 ? ink->penWidth : 1) / 2.0;
  int clipped = !Inside(part, ink, halfWidth, width, height);
  *at = clipped ? HandPoint{0, 0} : part.points[0];
  for (int i = 0; i < part.count; i++)
    part.points[i] = {part.points[i].x - at->x, part.points[i].y - at->y};
  TracedPart* t = &kept->traced[0];
  for (TracedPart& old : kept->traced) {
    if (SamePart(old, part, ink, clipped, width, height)) return &old;
    if (old.used < t->used) t = &old;
  }
  t->part = part, t->ink = *ink, t->clipped = clipped, t->width = width, t->height = height;
  t->fills = 0, t->spanCount = 0, t->coverCount = 0;
  kept->rasterizer.reset();
  if (part.kind == PART_CIRCLE) TraceCircle(t, halfWidth);
  else TracePolygon(t, halfWidth);
  return t;
}

void PaintPart(const Part& part, const HandInk* ink, const PixelCanvas* canvas) {
  HandPoint at;
  TracedPart* t = Trace(part, ink, canvas->width, canvas->height, &at);
  t->used = ++kept->paints;
  CanvasPixels pixels = {canvas};
  Renderer renderer(pixels);  // clips what is painted moved to the canvas
  for (int i = 0; i < t->fills; i++)
    for (unsigned k = i ? t->ends[i - 1] : 0; k < t->ends[i]; k++) {
      const CoverSpan& s = t->spans[k];
      const agg::int8u* cover = t->covers + s.cover;
      int x = s.x + at.x, y = s.y + at.y;
      if (s.len < 0) renderer.blend_hline(x, y, x - s.len - 1, t->colours[i], *cover);
      else renderer.blend_solid_hspan(x, y, s.len, t->colours[i], cover);
    }
}

bool Usable(const PixelCanvas* canvas) {
  return canvas->pixels && canvas->width > 0 && canvas->height > 0 &&
         canvas->stride / 4 >= canvas->width;
}

}  // namespace

void PaintHand(const PixelCanvas* canvas, const HandShape* shape, const HandInk* ink) {
  if (!Usable(canvas) || shape->count < 1 || shape->count > HAND_CORNERS) return;
  if (shape->kind != SHAPE_POLYGON && shape->kind != SHAPE_LINE && shape->kind != SHAPE_BALLOON)
    return;
  if (!kept) {
    void* memory = malloc(sizeof(Painter));
    if (!memory) return;
    kept = new (memory) Painter();
  }
  // A line is a polygon of two corners: all pen, nothing inside.
  Part outline = {PART_POLYGON, shape->count, {}};
  memcpy(outline.points, shape->points, sizeof outline.points);
  PaintPart(outline, ink, canvas);
  if (shape->kind == SHAPE_BALLOON) PaintPart(Part{PART_CIRCLE, 1, {shape->center}}, ink, canvas);
}

void PaintCovers(const PixelCanvas* canvas, const uint8_t* covers, int width, int height, int x,
                 int y, uint32_t colour) {
  if (!Usable(canvas) || width <= 0) return;
  CanvasPixels pixels = {canvas};
  Renderer renderer(pixels);
  for (int row = 0; row < height; row++)
    renderer.blend_solid_hspan(x, y + row, width, colour, covers + row * width);
}
