#include "face/hands.h"

#include "base/dpi_scale.h"
#include "face/hand_geometry.h"
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

void CreateTextTools(HandTools* t, int dpi) {
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

// How one hand is drawn: the pens and brushes selected into dc for GDI, the
// ink for the smooth painter, which draws into canvas when it is given.
struct HandDrawing {
  const PixelCanvas* canvas;  // NULL: drawn by GDI
  const HandTools* tools;
  COLORREF outline, inside;
  int filled;
};

static void DrawShape(HDC dc, const HandDrawing* pen, const HandShape* shape, const char* label) {
  const HandTools* t = pen->tools;
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
  if (shape->kind == SHAPE_BALLOON) PaintText(dc, q.x - inset, q.y - inset, label, 2);
}

void DrawInfoLine(HDC dc, const HandTools* t, int mode, const InfoValues* values) {
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
  if (length > 0) PaintText(dc, ScaleToDpi(x, d), ScaleToDpi(INFO_TEXT_Y, d), text, length);
}

void DrawHands(HDC dc, const PixelCanvas* canvas, const HandStyle* style, const HandTools* t,
               const SYSTEMTIME* time, int handsShown, int secondShown) {
  if (!handsShown) return;
  HandLengths lengths = {t->hourLength, t->minuteLength, t->secondLength};
  HandFrame frame = {};
  int pivot = ScaleToDpi(HAND_PIVOT, t->dpi);
  ComputeHands(style->design, &lengths, HandPoint{pivot, pivot}, time->wHour, time->wMinute,
               time->wSecond, &frame, t->dpi);
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
