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

// Revealed, the hands hide again at the ninth new second: the frame that
// shows them and eight more.
enum { AUTO_HIDE_SECONDS = 9, INFO_FONT_HEIGHT = 14 };

// The hands' style (the user's choices, loaded and stored by the settings
// code) and the painter that draws them into a context at a DPI.
struct ClockHands {
  HWND hwnd;
  int toolDpi;  // the DPI the pens, brushes and font below were made for
  int hourLength, minuteLength, secondLength;
  HFONT infoFont;
  HPEN infoPen;  // the box's outline where one pixel would be too thin
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

  // Reads the style; stores nothing.
  void InitHands(HWND window, AppState* state, int dpi);
  void ReleaseHands();
  // Draws the information line and the hands for time into dc at dpi.
  void DrawHands(HDC dc, int dpi, const SYSTEMTIME* time);
  void SetDesign(int number);    // applies and stores the design
  void ApplyDesign(int number);  // lengths and drawing tools only
  void UseDpi(int dpi);          // font and tools for another DPI
  void CreateHandTools(int hourWidth, int minuteWidth, int secondWidth);
  void DeleteHandTools();
  void RevealHands();
  // Once a second, from the clock's tick.
  void CountDownAutoHide(int dialogOpen);
  int GetHandOption(int code);
  // Auto-hide, bold and transparent toggle; the information mode is set
  // to value. Each change is stored at once.
  void ToggleHandOption(int code, int value);
  void ChooseHandColor(int which);
  void DrawInfoLine(HDC dc, const SYSTEMTIME* time);

 private:
  void LoadSettings();
  void DrawShape(HDC dc, const HandShape* shape, const char* label);
  void StoreColor(int slot, COLORREF color);
};
