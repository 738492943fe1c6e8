#include "face/hands.h"

#include <stdlib.h>

#include "base/cp932.h"
#include "base/dpi_scale.h"
#include "face/hand_geometry.h"
#include "platform/newer_calls.h"
#include "platform/system_text.h"

static void DeletePensAndBrushes(HandTools* tools) {
  HGDIOBJ* made[] = {(HGDIOBJ*)&tools->hourPen,    (HGDIOBJ*)&tools->hourBrush,
                     (HGDIOBJ*)&tools->minutePen,  (HGDIOBJ*)&tools->minuteBrush,
                     (HGDIOBJ*)&tools->secondPen,  (HGDIOBJ*)&tools->secondBrush};
  for (HGDIOBJ* tool : made) {
    if (*tool) DeleteObject(*tool);
    *tool = NULL;
  }
}

void CreateHandTools(HandTools* t, const HandStyle* style) {
  HandLengths lengths;
  if (!DesignLengths(style->design, &lengths)) return;
  t->hourLength = lengths.hour;
  t->minuteLength = lengths.minute;
  t->secondLength = lengths.second;
  // A flag: any garbage non-zero means bold.
  int width = ScaleToDpi(style->boldLines ? 2 : 1, t->dpi);
  t->penWidth = width;
  DeletePensAndBrushes(t);
  t->hourPen = CreatePen(PS_SOLID, width, style->hourColor);
  t->hourBrush = CreateSolidBrush(style->hourFill);
  t->minutePen = CreatePen(PS_SOLID, width, style->minuteColor);
  t->minuteBrush = CreateSolidBrush(style->minuteFill);
  t->secondPen = CreatePen(PS_SOLID, width, style->secondColor);
  t->secondBrush = CreateSolidBrush(style->secondFill);
}

static void ForgetGlyphs(FaceGlyphs* glyphs) {
  for (int i = 0; i < glyphs->count; i++) free(glyphs->glyph[i].covers);
  glyphs->count = 0;
  glyphs->refused = 0;
}

void CreateTextTools(HandTools* t, int dpi) {
  ForgetGlyphs(&t->glyphs);
  if (t->infoFont) DeleteObject(t->infoFont);
  if (t->infoPen) DeleteObject(t->infoPen);
  t->dpi = dpi;
  t->infoFont = CreateNamedFont(ScaleToDpi(INFO_FONT_HEIGHT, dpi), 0, 0, 0, FW_THIN, FALSE, FALSE,
                                FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                PROOF_QUALITY, FIXED_PITCH | FF_MODERN, "ＭＳ ゴシック");
  int outline = ScaleToDpi(1, dpi);
  t->infoPen = outline > 1 ? CreatePen(PS_SOLID, outline, RGB(0, 0, 0)) : NULL;
}

void DeleteHandTools(HandTools* t) {
  ForgetGlyphs(&t->glyphs);
  if (t->infoFont) DeleteObject(t->infoFont);
  if (t->infoPen) DeleteObject(t->infoPen);
  t->infoFont = NULL;
  t->infoPen = NULL;
  DeletePensAndBrushes(t);
}

// The font stays in the context: choosing a font costs more under Wine
// than drawing the whole frame.
static void UseInfoFont(HDC dc, const HandTools* t) {
  if (GetCurrentObject(dc, OBJ_FONT) == t->infoFont) return;
  SelectObject(dc, t->infoFont);
  SetBkMode(dc, TRANSPARENT);
}

// Covers of 0 to 64 in rows of whole DWORDs as 0 to 255 in rows of width.
static void PackCovers(const uint8_t* grey, int width, int height, uint8_t* covers) {
  int pitch = (width + 3) & ~3;
  for (int y = 0; y < height; y++)
    for (int x = 0; x < width; x++) {
      unsigned v = grey[y * pitch + x];
      covers[y * width + x] = (uint8_t)(v >= 64 ? 255 : v * 4);
    }
}

// The character's glyph read from the font in dc into the store; NULL
// when the font gives none.
static const FaceGlyph* ReadGlyph(HDC dc, FaceGlyphs* glyphs, unsigned code) {
  if (glyphs->count == 0) {
    TEXTMETRICA metrics;
    if (!GetTextMetricsA(dc, &metrics)) return NULL;
    glyphs->ascent = metrics.tmAscent;
  }
  GLYPHMETRICS m;
  DWORD size = ReadCharacterCovers(dc, code, &m, NULL, 0);
  if (size == GDI_ERROR) return NULL;
  FaceGlyph g = {code, m.gmptGlyphOrigin.x, glyphs->ascent - m.gmptGlyphOrigin.y, 0, 0,
                 m.gmCellIncX, NULL};
  // A blank (a space) has no picture, only its advance.
  if (size > 0) {
    g.width = (int)m.gmBlackBoxX, g.height = (int)m.gmBlackBoxY;
    uint8_t* grey = (uint8_t*)malloc(size);
    g.covers = (uint8_t*)malloc((size_t)g.width * g.height);
    int read = grey && g.covers &&
               ReadCharacterCovers(dc, code, &m, grey, size) != GDI_ERROR &&
               (DWORD)(((g.width + 3) & ~3) * g.height) <= size;
    if (read) PackCovers(grey, g.width, g.height, g.covers);
    free(grey);
    if (!read) {
      free(g.covers);
      return NULL;
    }
  }
  glyphs->glyph[glyphs->count] = g;
  return &glyphs->glyph[glyphs->count++];
}

// The character's glyph, read from the font the first time it is asked;
// NULL when the store is full or the font gives none, which is then not
// asked again: a font without glyph pictures would be asked every frame.
static const FaceGlyph* GlyphOf(HDC dc, FaceGlyphs* glyphs, unsigned code) {
  for (int i = 0; i < glyphs->count; i++)
    if (glyphs->glyph[i].code == code) return &glyphs->glyph[i];
  if (glyphs->count == FACE_GLYPHS || glyphs->refused) return NULL;
  const FaceGlyph* g = ReadGlyph(dc, glyphs, code);
  if (!g) glyphs->refused = 1;
  return g;
}

// The glyphs of a text, at most room of them; -1 when one cannot be had.
static int GlyphsOfText(HDC dc, FaceGlyphs* store, const char* text, int length,
                        const FaceGlyph** glyphs, int room) {
  int count = 0;
  for (int i = 0; i < length;) {
    int bytes = i + 1 < length && Cp932CharLength(text + i) == 2 ? 2 : 1;
    unsigned code = (unsigned char)text[i];
    if (bytes == 2) code = code << 8 | (unsigned char)text[i + 1];
    if (count == room || !(glyphs[count] = GlyphOf(dc, store, code))) return -1;
    count++;
    i += bytes;
  }
  return count;
}

// A text of the information font at x, y as TextOut places it: blended
// into canvas from the glyphs' covers when there is one and the font
// gives them all, else by GDI.
static void PaintFaceText(HDC dc, const PixelCanvas* canvas, HandTools* t, int x, int y,
                          const char* text, int length) {
  const FaceGlyph* glyphs[INFO_TEXT_SIZE];
  int count = canvas ? GlyphsOfText(dc, &t->glyphs, text, length, glyphs, INFO_TEXT_SIZE) : -1;
  if (count < 0) {
    PaintText(dc, x, y, text, length);
    return;
  }
  GdiFlush();  // what GDI drew beneath may still be queued
  COLORREF colour = GetTextColor(dc);
  for (int i = 0; i < count; i++) {
    const FaceGlyph* g = glyphs[i];
    PaintCovers(canvas, g->covers, g->width, g->height, x + g->left, y + g->top, colour);
    x += g->advance;
  }
}

// How one hand is drawn: the pens and brushes selected into dc for GDI, the
// ink for the smooth painter, which draws into canvas when it is given.
struct HandDrawing {
  const PixelCanvas* canvas;  // NULL: drawn by GDI
  HandTools* tools;
  COLORREF outline, inside;
  int filled;
};

static void DrawShape(HDC dc, const HandDrawing* pen, const HandShape* shape, const char* label) {
  HandTools* t = pen->tools;
  HandPoint q = shape->center;
  int radius = ScaleToDpi(BALLOON_RADIUS, t->dpi), inset = ScaleToDpi(BALLOON_LABEL_INSET, t->dpi);
  if (pen->canvas) {
    GdiFlush();  // what GDI drew beneath may still be queued
    HandInk ink = {pen->outline, pen->inside, pen->filled, t->penWidth, radius};
    PaintHand(pen->canvas, shape, &ink);
  } else if (shape->kind == SHAPE_LINE) {
    MoveToEx(dc, shape->points[0].x, shape->points[0].y, NULL);
    LineTo(dc, shape->points[1].x, shape->points[1].y);
  } else {
    POINT points[4];
    for (int i = 0; i < shape->count; i++) points[i] = POINT{shape->points[i].x, shape->points[i].y};
    Polygon(dc, points, shape->count);
    if (shape->kind == SHAPE_BALLOON)
      Ellipse(dc, q.x - radius, q.y - radius, q.x + radius, q.y + radius);
  }
  if (shape->kind == SHAPE_BALLOON)
    PaintFaceText(dc, pen->canvas, t, q.x - inset, q.y - inset, label, 2);
}

void DrawInfoLine(HDC dc, const PixelCanvas* canvas, HandTools* t, int mode,
                  const InfoValues* values) {
  if (mode == INFO_NONE) return;
  UseInfoFont(dc, t);
  // The context's own pen and brush, a black outline round white, with a
  // thicker outline where the DPI asks for one.
  HGDIOBJ oldPen = t->infoPen ? SelectObject(dc, t->infoPen) : NULL;
  int d = t->dpi, corner = ScaleToDpi(INFO_BOX_CORNER, d);
  RoundRect(dc, ScaleToDpi(INFO_BOX_LEFT, d), ScaleToDpi(INFO_BOX_TOP, d),
            ScaleToDpi(INFO_BOX_RIGHT, d), ScaleToDpi(INFO_BOX_BOTTOM, d), corner, corner);
  if (oldPen) SelectObject(dc, oldPen);
  char text[INFO_TEXT_SIZE];
  int x;
  int length = FormatInfoText(mode, values, text, sizeof text, &x);
  if (length > 0) PaintFaceText(dc, canvas, t, ScaleToDpi(x, d), ScaleToDpi(INFO_TEXT_Y, d), text, length);
}

// The hands' outlines from SSE2, the same pixels on every machine, where
// the processor and the system run it; else from the x87 unit.
static void ComputeFrame(int design, const HandLengths* lengths, HandPoint pivot,
                         const SYSTEMTIME* time, HandFrame* frame, int dpi) {
#ifdef __i386__
  static int sse2 = -1;
  if (sse2 < 0) sse2 = ProcessorRunsSse2();
  if (!sse2) {
    ComputeHandsX87(design, lengths, pivot, time->wHour, time->wMinute, time->wSecond, frame, dpi);
    return;
  }
#endif
  ComputeHands(design, lengths, pivot, time->wHour, time->wMinute, time->wSecond, frame, dpi);
}

void DrawHands(HDC dc, const PixelCanvas* canvas, const HandStyle* style, HandTools* t,
               const SYSTEMTIME* time, int handsShown, int secondShown) {
  if (!handsShown) return;
  HandLengths lengths = {t->hourLength, t->minuteLength, t->secondLength};
  HandFrame frame = {};
  int pivot = ScaleToDpi(HAND_PIVOT, t->dpi);
  ComputeFrame(style->design, &lengths, HandPoint{pivot, pivot}, time, &frame, t->dpi);
  if (frame.hour.kind == SHAPE_NONE) return;
  UseInfoFont(dc, t);  // the balloons' labels
  // Hollow hands are outlines only, except the balloons, which always fill.
  int hollow = style->hollowHands && style->design != DESIGN_BALLOON;
  if (!style->smoothHands || !canvas || !canvas->pixels) canvas = NULL;
  HGDIOBJ oldPen = SelectObject(dc, t->hourPen);
  HGDIOBJ oldBrush = SelectObject(dc, hollow ? t->nullBrush : t->hourBrush);
  HandDrawing hour = {canvas, t, style->hourColor, style->hourFill, !hollow};
  DrawShape(dc, &hour, &frame.hour, "時");
  SelectObject(dc, t->minutePen);
  SelectObject(dc, hollow ? t->nullBrush : t->minuteBrush);
  HandDrawing minute = {canvas, t, style->minuteColor, style->minuteFill, !hollow};
  DrawShape(dc, &minute, &frame.minute, "分");
  if (secondShown) {
    SelectObject(dc, t->secondPen);
    SelectObject(dc, t->secondBrush);
    HandDrawing second = {canvas, t, style->secondColor, style->secondFill, 1};
    DrawShape(dc, &second, &frame.second, "秒");
  }
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
}
