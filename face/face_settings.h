// The hands' side of the face as the user sets it: their style and the
// information line (section OBJECT), the tools made for them, and the
// automatic hiding of the hands.
#pragma once
#include <windows.h>

#include "face/hands.h"
#include "face/info_stats.h"

struct AppState;

// Codes of ToggleHandOption and GetHandOption.
enum HandOptionCode {
  OPTION_AUTO_HIDE = 1,
  OPTION_INFO_MODE = 2,
  OPTION_SHOWN_NOW = 3,
  OPTION_BOLD = 5,
  OPTION_HOLLOW = 6,
  OPTION_SMOOTH = 7
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
enum { AUTO_HIDE_SECONDS = 9 };

struct ClockHands {
  HWND hwnd;  // owner of the colour dialog
  AppState* app;
  HandStyle style;
  HandTools tools;
  int infoMode;
  CpuReading cpu;
  int autoHide;  // the setting
  int autoHideCount;
  int handsVisible;

  // Reads the settings and makes the tools for dpi; stores nothing.
  void InitHands(HWND window, AppState* state, int dpi);
  void ReleaseHands();
  void SetDesign(int number);    // applies and stores the design
  void ApplyDesign(int number);  // lengths and drawing tools only
  void UseDpi(int dpi);          // font and tools for another DPI
  void RevealHands();
  // Once a second, from the clock's tick.
  void CountDownAutoHide(int dialogOpen);
  int GetHandOption(int code);
  // Auto-hide, bold, transparent and smooth toggle; the information mode is set
  // to value. Each change is stored at once.
  void ToggleHandOption(int code, int value);
  void ChooseHandColor(int which);

 private:
  void LoadSettings();
  void StoreColor(int slot, COLORREF color);
};
