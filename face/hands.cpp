#include "face/hands.h"

#include "app/app_state.h"
#include "face/hand_geometry.h"

void ClockHands::ApplyDesign(int number) {
  handCenterX = handCenterY = HAND_PIVOT;
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
  hourPen = CreatePen(PS_SOLID, hourWidth, hourColor);
  hourBrush = CreateSolidBrush(hourFill);
  minutePen = CreatePen(PS_SOLID, minuteWidth, minuteColor);
  minuteBrush = CreateSolidBrush(minuteFill);
  secondPen = CreatePen(PS_SOLID, secondWidth, secondColor);
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

void ClockHands::DrawShape(const HandShape* shape, const char* label) {
  POINT points[4];
  for (int i = 0; i < shape->count; i++) points[i] = POINT{shape->points[i].x, shape->points[i].y};
  if (shape->kind == SHAPE_LINE) {
    MoveToEx(memoryDC, points[0].x, points[0].y, NULL);
    LineTo(memoryDC, points[1].x, points[1].y);
    return;
  }
  Polygon(memoryDC, points, shape->count);
  if (shape->kind != SHAPE_BALLOON) return;
  HandPoint q = shape->center;
  Ellipse(memoryDC, q.x - BALLOON_RADIUS, q.y - BALLOON_RADIUS, q.x + BALLOON_RADIUS,
          q.y + BALLOON_RADIUS);
  TextOutA(memoryDC, q.x - BALLOON_LABEL_INSET, q.y - BALLOON_LABEL_INSET, label, 2);
}

void ClockHands::DrawHands(const SYSTEMTIME* time) {
  // Hollow hands are outlines only, except the balloons, which always fill.
  int hollow = hollowHands && design != DESIGN_BALLOON;
  HBRUSH hourInside = hollow ? nullBrush : hourBrush;
  HBRUSH minuteInside = hollow ? nullBrush : minuteBrush;
  CountDownAutoHide();
  if (infoMode != INFO_NONE) DrawInfoLine(time);
  if (!handsVisible) return;
  HandLengths lengths = {hourLength, minuteLength, secondLength};
  HandFrame frame;
  ComputeHands(design, &lengths, HandPoint{handCenterX, handCenterY}, time->wHour, time->wMinute,
               time->wSecond, &frame);
  if (frame.hour.kind == SHAPE_NONE) return;
  HGDIOBJ oldPen = SelectObject(memoryDC, hourPen);
  HGDIOBJ oldBrush = SelectObject(memoryDC, hourInside);
  DrawShape(&frame.hour, "時");
  SelectObject(memoryDC, minutePen);
  SelectObject(memoryDC, minuteInside);
  DrawShape(&frame.minute, "分");
  if (!app->nonSec) {
    SelectObject(memoryDC, secondPen);
    SelectObject(memoryDC, secondBrush);
    DrawShape(&frame.second, "秒");
  }
  SelectObject(memoryDC, oldPen);
  SelectObject(memoryDC, oldBrush);
}
