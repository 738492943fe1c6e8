// The hands, their drawing tools and settings, and the information line.
#pragma once
#include <windows.h>

#include "face/info_line.h"
#include "face/info_stats.h"

struct AppState;
struct HandShape;

// Codes of ToggleHandOption and GetHandOption.
enum HandOptionCode {
  OPTION_AUTO_HIDE = 1,
  OPTION_INFO_MODE = 2,
  OPTION_SHOWN_NOW = 3,
  OPTION_BOLD = 5,
  OPTION_HOLLOW = 6
};

// Slots of ChooseHandColor, in the order the reset writes them.
enum HandColorSlot {
  SLOT_RESET = -1,
  SLOT_SECOND_OUTLINE = 1,
  SLOT_SECOND_FILL,
  SLOT_MINUTE_OUTLINE,
  SLOT_MINUTE_FILL,
  SLOT_HOUR_OUTLINE,
  SLOT_HOUR_FILL
};

enum { AUTO_HIDE_REDRAWS = 10, INFO_FONT_HEIGHT = 14 };

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
  int autoHideCount;
  int handsVisible;
  int infoMode;
  int autoHide;
  int design;
  int boldLines;
  int hollowHands;
  CpuReading cpu;

  void InitHands(HWND window, HDC dc, AppState* state);
  void ReleaseHands();
  void DrawHands(const SYSTEMTIME* time);
  void SetDesign(int number);    // applies and stores the design
  void ApplyDesign(int number);  // lengths and drawing tools only
  void CreateHandTools(int hourWidth, int minuteWidth, int secondWidth);
  void DeleteHandTools();
  void RevealHands();
  int GetHandOption(int code);
  // Auto-hide, bold and transparent toggle; the information mode is set
  // to value. Each change is stored at once.
  void ToggleHandOption(int code, int value);
  void ChooseHandColor(int which);
  void DrawInfoLine(const SYSTEMTIME* time);
  // 1 total physical bytes, 2 available physical bytes, 3 load percent;
  // -1 for other kinds.

 private:
  void LoadSettings();
  void CountDownAutoHide();
  void DrawShape(const HandShape* shape, const char* label);
  void StoreColor(int slot, COLORREF color);
};
