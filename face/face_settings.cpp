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

static const COLORREF WHITE = 0xFFFFFF;

struct ColorSetting {
  COLORREF ClockHands::*field;
  const char* key;
  COLORREF initial;
};

// Indexed by slot - 1; also the order in which the reset writes them.
static const ColorSetting kColors[] = {
    {&ClockHands::secondColor, "SCOL", 0},  {&ClockHands::secondFill, "SCOLB", WHITE},
    {&ClockHands::minuteColor, "MCOL", 0},  {&ClockHands::minuteFill, "MCOLB", WHITE},
    {&ClockHands::hourColor, "HCOL", 0},    {&ClockHands::hourFill, "HCOLB", WHITE},
};

// Kept for the program's life, as the colour dialog's custom colours.
static COLORREF customColors[16];

void ClockHands::LoadSettings() {
  autoHide = app->ReadSettingInt(SECTION_OBJECT, "NDHIDE", 0);
  infoMode = app->ReadSettingInt(SECTION_OBJECT, "DIGINFO", INFO_NONE);
  if (infoMode == INFO_CPU) StartCpuReading(&cpu);
  design = app->ReadSettingInt(SECTION_OBJECT, "DESIGN", DESIGN_SQUARE);
  boldLines = app->ReadSettingInt(SECTION_OBJECT, "BOOLD", 0);
  hollowHands = app->ReadSettingInt(SECTION_OBJECT, "NULLBRS", 0);
  smoothHands = app->ReadSettingInt(SECTION_OBJECT, "SMOOTH", 1);
  for (const ColorSetting& c : kColors)
    this->*c.field = (COLORREF)app->ReadSettingInt(SECTION_OBJECT, c.key, (int)c.initial);
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
  app->WriteSettingInt(SECTION_OBJECT, "DESIGN", number);
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
    case OPTION_SMOOTH: return smoothHands;
    default: return -1;
  }
}

void ClockHands::ToggleHandOption(int code, int value) {
  switch (code) {
    case OPTION_AUTO_HIDE:
      // The next redraw applies it; the hands are not hidden or shown now.
      app->ToggleSetting(&autoHide, SECTION_OBJECT, "NDHIDE");
      break;
    case OPTION_INFO_MODE:
      if (value == INFO_CPU && infoMode != INFO_CPU) StartCpuReading(&cpu);
      infoMode = value;
      app->WriteSettingInt(SECTION_OBJECT, "DIGINFO", value);
      break;
    case OPTION_BOLD:
      app->ToggleSetting(&boldLines, SECTION_OBJECT, "BOOLD");
      SetDesign(design);
      break;
    case OPTION_HOLLOW:
      app->ToggleSetting(&hollowHands, SECTION_OBJECT, "NULLBRS");
      SetDesign(design);
      break;
    case OPTION_SMOOTH:
      app->ToggleSetting(&smoothHands, SECTION_OBJECT, "SMOOTH");
      break;
    default: break;
  }
}

void ClockHands::StoreColor(int slot, COLORREF color) {
  const ColorSetting& c = kColors[slot - 1];
  this->*c.field = color;
  app->WriteSettingInt(SECTION_OBJECT, c.key, (int)color);
}

void ClockHands::ChooseHandColor(int which) {
  if (which == SLOT_RESET) {
    for (int slot = SLOT_SECOND_OUTLINE; slot <= SLOT_HOUR_FILL; slot++)
      StoreColor(slot, kColors[slot - 1].initial);
    hollowHands = 0;
    app->WriteSettingInt(SECTION_OBJECT, "NULLBRS", 0);
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
  app->ReadSettingString(SECTION_IMAGE, "FILE", stored, "");
  if (strcmp(stored, name) != 0) app->WriteSettingString(SECTION_IMAGE, "FILE", name);
}
