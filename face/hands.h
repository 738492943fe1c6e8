// The hands, their drawing tools and settings, and the information line.
#pragma once
#include <windows.h>

struct AppState;

struct ClockHands {
  HWND hwnd;
  HDC memoryDC;
  int handCenterX, handCenterY;
  int hourLength, minuteLength, secondLength;
  HFONT infoFont;
  HFONT oldFont;
  HPEN hourPen, minutePen, secondPen;
  HBRUSH hourBrush, minuteBrush, secondBrush;
  HBRUSH nullBrush;
  COLORREF hourColor, minuteColor, secondColor;
  COLORREF hourFill, minuteFill, secondFill;
  AppState* app;
  MEMORYSTATUSEX memoryStatus;
  int autoHideCount;
  int handsVisible;
  int infoMode;
  int autoHide;
  int design;
  int boldLines;
  int hollowHands;

  void InitHands(HWND window, HDC dc, AppState* state);
  void ReleaseHands();
  void DrawHands(const SYSTEMTIME* time);
  void SetDesign(int number);
  void RevealHands();
  // 1 auto-hide, 2 information mode, 3 hands shown now, 4 design,
  // 5 bold lines, 6 hollow hands.
  int GetHandOption(int code);
  void ToggleHandOption(int code, int value);
  // 1-6 one of the six colours, -1 resets them.
  void ChooseHandColor(int which);
  void UpdateHandMenuChecks(HMENU menu);
};
