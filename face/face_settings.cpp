// The user's choices for the face: the skin file (IMAGE), the hands and
// the information line (OBJECT). Every settings change of the face goes
// through here; the drawing code itself writes none.
#include "face/clock_image.h"
#include "face/hands.h"

#include <commdlg.h>
#include <string.h>

#include "settings/app_state.h"
#include "face/hand_geometry.h"
#include "res/resource.h"

struct ColorSetting {
  COLORREF ClockHands::*field;
  Setting setting;
};

// Indexed by slot - 1; also the order in which the reset writes them.
static const ColorSetting kColors[] = {
    {&ClockHands::secondColor, Setting::secondOutline}, {&ClockHands::secondFill, Setting::secondFill},
    {&ClockHands::minuteColor, Setting::minuteOutline}, {&ClockHands::minuteFill, Setting::minuteFill},
    {&ClockHands::hourColor, Setting::hourOutline},     {&ClockHands::hourFill, Setting::hourFill},
};

// Kept for the program's life, as the colour dialog's custom colours.
static COLORREF customColors[16];

void ClockHands::LoadSettings() {
  autoHide = app->ReadSettingInt(Setting::autoHideHands);
  infoMode = app->ReadSettingInt(Setting::infoMode);
  if (infoMode == INFO_CPU) StartCpuReading(&cpu);
  design = app->ReadSettingInt(Setting::handDesign);
  boldLines = app->ReadSettingInt(Setting::boldLines);
  hollowHands = app->ReadSettingInt(Setting::hollowHands);
  for (const ColorSetting& c : kColors) this->*c.field = (COLORREF)app->ReadSettingInt(c.setting);
}

void ClockHands::InitHands(HWND window, AppState* state, int dpi) {
  app = state;
  hwnd = window;
  RevealHands();
  LoadSettings();
  nullBrush = (HBRUSH)GetStockObject(NULL_BRUSH);
  UseDpi(dpi);
  // Applied, not stored: starting writes nothing.
  ApplyDesign(design);
}

void ClockHands::SetDesign(int number) {
  ApplyDesign(number);
  app->WriteSettingInt(Setting::handDesign, number);
}

void ClockHands::ReleaseHands() {
  if (infoFont) DeleteObject(infoFont);
  if (infoPen) DeleteObject(infoPen);
  infoFont = NULL;
  infoPen = NULL;
  DeleteHandTools();
}

int ClockHands::GetHandOption(int code) {
  switch (code) {
    case OPTION_AUTO_HIDE: return autoHide;
    case OPTION_INFO_MODE: return infoMode;
    case OPTION_SHOWN_NOW: return handsVisible;
    case OPTION_BOLD: return boldLines;
    case OPTION_HOLLOW: return hollowHands;
    default: return -1;
  }
}

void ClockHands::ToggleHandOption(int code, int value) {
  switch (code) {
    case OPTION_AUTO_HIDE:
      // The next redraw applies it; the hands are not hidden or shown now.
      autoHide = !autoHide;
      app->WriteSettingInt(Setting::autoHideHands, autoHide);
      break;
    case OPTION_INFO_MODE:
      if (value == INFO_CPU && infoMode != INFO_CPU) StartCpuReading(&cpu);
      infoMode = value;
      app->WriteSettingInt(Setting::infoMode, value);
      break;
    case OPTION_BOLD:
      boldLines = !boldLines;
      app->WriteSettingInt(Setting::boldLines, boldLines);
      SetDesign(design);
      break;
    case OPTION_HOLLOW:
      hollowHands = !hollowHands;
      app->WriteSettingInt(Setting::hollowHands, hollowHands);
      SetDesign(design);
      break;
    default: break;
  }
}

void ClockHands::StoreColor(int slot, COLORREF color) {
  const ColorSetting& c = kColors[slot - 1];
  this->*c.field = color;
  app->WriteSettingInt(c.setting, (int)color);
}

void ClockHands::ChooseHandColor(int which) {
  if (which == SLOT_RESET) {
    for (int slot = SLOT_SECOND_OUTLINE; slot <= SLOT_HOUR_FILL; slot++)
      StoreColor(slot, (COLORREF)SettingRowOf(kColors[slot - 1].setting)->initial);
    hollowHands = 0;
    app->WriteSettingInt(Setting::hollowHands, 0);
    SetDesign(design);
    return;
  }
  if (which < SLOT_SECOND_OUTLINE || which > SLOT_HOUR_FILL) return;
  // The dialog opens on black, not on the slot's colour.
  CHOOSECOLORA request = {};
  request.lStructSize = sizeof request;
  request.hwndOwner = hwnd;
  request.rgbResult = 0;
  request.lpCustColors = customColors;
  request.Flags = CC_RGBINIT;
  if (!ChooseColorA(&request)) return;
  StoreColor(which, request.rgbResult);
  SetDesign(design);
}


void ClockImage::SetFaceImage(const char* fileName) {
  // A skin that cannot be shown is forgotten: the built-in face stands in.
  int shown = LoadFaceFile(fileName);
  if (!shown) ShowBuiltinFace();
  const char* name = shown ? fileName : "";
  // Showing the stored face again stores nothing.
  char stored[PATH_SIZE];
  app->ReadSettingString(Setting::faceFile, stored);
  if (strcmp(stored, name) != 0) app->WriteSettingString(Setting::faceFile, name);
}
