#include "face/hands.h"

#include "base/dpi_scale.h"
#include "face/hand_geometry.h"

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
  t->infoFont = CreateFontA(ScaleToDpi(INFO_FONT_HEIGHT, dpi), 0, 0, 0, FW_THIN, FALSE, FALSE,
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

static void DrawShape(HDC dc, const HandTools* t, const HandShape* shape, const char* label) {
  POINT points[4];
  for (int i = 0; i < shape->count; i++) points[i] = POINT{shape->points[i].x, shape->points[i].y};
  if (shape->kind == SHAPE_LINE) {
    MoveToEx(dc, points[0].x, points[0].y, NULL);
    LineTo(dc, points[1].x, points[1].y);
    return;
  }
  Polygon(dc, points, shape->count);
  if (shape->kind != SHAPE_BALLOON) return;
  HandPoint q = shape->center;
  int radius = ScaleToDpi(BALLOON_RADIUS, t->dpi), inset = ScaleToDpi(BALLOON_LABEL_INSET, t->dpi);
  Ellipse(dc, q.x - radius, q.y - radius, q.x + radius, q.y + radius);
  TextOutA(dc, q.x - inset, q.y - inset, label, 2);
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
  if (length > 0) TextOutA(dc, ScaleToDpi(x, d), ScaleToDpi(INFO_TEXT_Y, d), text, length);
}

void DrawHands(HDC dc, const HandStyle* style, const HandTools* t, const SYSTEMTIME* time,
               int handsShown, int secondShown) {
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
  HGDIOBJ oldPen = SelectObject(dc, t->hourPen);
  HGDIOBJ oldBrush = SelectObject(dc, hollow ? t->nullBrush : t->hourBrush);
  DrawShape(dc, t, &frame.hour, "時");
  SelectObject(dc, t->minutePen);
  SelectObject(dc, hollow ? t->nullBrush : t->minuteBrush);
  DrawShape(dc, t, &frame.minute, "分");
  if (secondShown) {
    SelectObject(dc, t->secondPen);
    SelectObject(dc, t->secondBrush);
    DrawShape(dc, t, &frame.second, "秒");
  }
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
}
