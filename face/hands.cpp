#include "face/hands.h"

#include "settings/app_state.h"
#include "base/dpi_scale.h"
#include "face/hand_geometry.h"
#include "platform/system_text.h"

void ClockHands::ApplyDesign(int number) {
  HandLengths lengths;
  if (DesignLengths(number, &lengths)) {
    hourLength = lengths.hour;
    minuteLength = lengths.minute;
    secondLength = lengths.second;
    int width = boldLines ? 2 : 1;  // a flag: any garbage non-zero means bold
    CreateHandTools(width, width, width);
  }
  design = number;
}

void ClockHands::CreateHandTools(int hourWidth, int minuteWidth, int secondWidth) {
  DeleteHandTools();
  hourPen = CreatePen(PS_SOLID, ScaleToDpi(hourWidth, toolDpi), hourColor);
  hourBrush = CreateSolidBrush(hourFill);
  minutePen = CreatePen(PS_SOLID, ScaleToDpi(minuteWidth, toolDpi), minuteColor);
  minuteBrush = CreateSolidBrush(minuteFill);
  secondPen = CreatePen(PS_SOLID, ScaleToDpi(secondWidth, toolDpi), secondColor);
  secondBrush = CreateSolidBrush(secondFill);
}

void ClockHands::DeleteHandTools() {
  HGDIOBJ* tools[] = {(HGDIOBJ*)&hourPen,   (HGDIOBJ*)&hourBrush,   (HGDIOBJ*)&minutePen,
                      (HGDIOBJ*)&minuteBrush, (HGDIOBJ*)&secondPen, (HGDIOBJ*)&secondBrush};
  for (HGDIOBJ* tool : tools) {
    if (*tool) DeleteObject(*tool);
    *tool = NULL;
  }
}

void ClockHands::RevealHands() {
  autoHideCount = AUTO_HIDE_REDRAWS;
  handsVisible = 1;
}

// While a settings dialog is open the hands stay, and so does the count.
void ClockHands::CountDownAutoHide() {
  handsVisible = 1;
  if (app->openDialog != DIALOG_NONE || !autoHide) return;
  if (--autoHideCount < 1) {
    handsVisible = 0;
    autoHideCount = 0;
  }
}

// The font, the box's pen and the hands' tools for another DPI: made once
// when the DPI changes, never per frame.
void ClockHands::UseDpi(int dpi) {
  if (infoFont) DeleteObject(infoFont);
  if (infoPen) DeleteObject(infoPen);
  toolDpi = dpi;
  infoFont = CreateNamedFont(ScaleToDpi(INFO_FONT_HEIGHT, dpi), 0, 0, 0, FW_THIN, FALSE, FALSE,
                             FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             PROOF_QUALITY, FIXED_PITCH | FF_MODERN, "ＭＳ ゴシック");
  int outline = ScaleToDpi(1, dpi);
  infoPen = outline > 1 ? CreatePen(PS_SOLID, outline, RGB(0, 0, 0)) : NULL;
  if (hourPen) ApplyDesign(design);
}

void ClockHands::DrawShape(HDC dc, const HandShape* shape, const char* label) {
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
  int radius = ScaleToDpi(BALLOON_RADIUS, toolDpi), inset = ScaleToDpi(BALLOON_LABEL_INSET, toolDpi);
  Ellipse(dc, q.x - radius, q.y - radius, q.x + radius, q.y + radius);
  PaintText(dc, q.x - inset, q.y - inset, label, 2);
}

void ClockHands::DrawInfoLine(HDC dc, const SYSTEMTIME* time) {
  // The context's own pen and brush, a black outline round white, with a
  // thicker outline where the DPI asks for one.
  HGDIOBJ oldPen = infoPen ? SelectObject(dc, infoPen) : NULL;
  int d = toolDpi, corner = ScaleToDpi(INFO_BOX_CORNER, d);
  RoundRect(dc, ScaleToDpi(INFO_BOX_LEFT, d), ScaleToDpi(INFO_BOX_TOP, d),
            ScaleToDpi(INFO_BOX_RIGHT, d), ScaleToDpi(INFO_BOX_BOTTOM, d), corner, corner);
  if (oldPen) SelectObject(dc, oldPen);
  InfoValues values = {time->wMonth, time->wDay, time->wHour, time->wMinute, time->wSecond, 0,
                       0, 0};
  if (infoMode == INFO_CPU) values.cpuPercent = ReadCpuPercent(&cpu);
  if (infoMode == INFO_FREE_MEMORY || infoMode == INFO_MEMORY_LOAD) {
    MemoryFigures memory;
    ReadMemoryFigures(&memory);
    values.availableBytes = memory.availableBytes;
    values.memoryLoad = memory.load;
  }
  char text[INFO_TEXT_SIZE];
  int x;
  int length = FormatInfoText(infoMode, &values, text, sizeof text, &x);
  if (length > 0) PaintText(dc, ScaleToDpi(x, d), ScaleToDpi(INFO_TEXT_Y, d), text, length);
}

void ClockHands::DrawHands(HDC dc, int dpi, const SYSTEMTIME* time) {
  if (dpi != toolDpi || !infoFont) {
    // The old font leaves the context before it is deleted.
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    UseDpi(dpi);
  }
  // Hollow hands are outlines only, except the balloons, which always fill.
  int hollow = hollowHands && design != DESIGN_BALLOON;
  HBRUSH hourInside = hollow ? nullBrush : hourBrush;
  HBRUSH minuteInside = hollow ? nullBrush : minuteBrush;
  CountDownAutoHide();
  // The font stays in the context: choosing a font costs more under Wine
  // than drawing the whole frame.
  if (GetCurrentObject(dc, OBJ_FONT) != infoFont) {
    SelectObject(dc, infoFont);
    SetBkMode(dc, TRANSPARENT);
  }
  if (infoMode != INFO_NONE) DrawInfoLine(dc, time);
  HandLengths lengths = {hourLength, minuteLength, secondLength};
  HandFrame frame = {};
  int pivot = ScaleToDpi(HAND_PIVOT, dpi);
  if (handsVisible)
    ComputeHands(design, &lengths, HandPoint{pivot, pivot}, time->wHour, time->wMinute,
                 time->wSecond, &frame, dpi);
  if (frame.hour.kind != SHAPE_NONE) {
    HGDIOBJ oldPen = SelectObject(dc, hourPen);
    HGDIOBJ oldBrush = SelectObject(dc, hourInside);
    DrawShape(dc, &frame.hour, "時");
    SelectObject(dc, minutePen);
    SelectObject(dc, minuteInside);
    DrawShape(dc, &frame.minute, "分");
    if (!app->nonSec) {
      SelectObject(dc, secondPen);
      SelectObject(dc, secondBrush);
      DrawShape(dc, &frame.second, "秒");
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
  }
}
