// Every settings change of the hands and the information line goes
// through here; the drawing code itself writes none.
#include "face/face_settings.h"

#include "settings/app_state.h"
#include "face/hand_geometry.h"
#include "platform/later_calls.h"
#include "res/resource.h"

struct ColorSetting {
  COLORREF HandStyle::*field;
  Setting setting;
};

// Indexed by slot - 1; also the order in which the reset writes them.
static const ColorSetting kColors[] = {
    {&HandStyle::secondColor, Setting::secondOutline},
    {&HandStyle::secondFill, Setting::secondFill},
    {&HandStyle::minuteColor, Setting::minuteOutline},
    {&HandStyle::minuteFill, Setting::minuteFill},
    {&HandStyle::hourColor, Setting::hourOutline},
    {&HandStyle::hourFill, Setting::hourFill},
};

// Kept for the program's life, as the colour dialog's custom colours.
static COLORREF customColors[16];

void ClockHands::LoadSettings() {
  autoHide = app->ReadSettingInt(Setting::autoHideHands);
  infoMode = app->ReadSettingInt(Setting::infoMode);
  if (infoMode == INFO_CPU) StartCpuReading(&cpu);
  style.design = app->ReadSettingInt(Setting::handDesign);
  style.boldLines = app->ReadSettingInt(Setting::boldLines);
  style.hollowHands = app->ReadSettingInt(Setting::hollowHands);
  style.smoothHands = app->ReadSettingInt(Setting::smoothHands);
  for (const ColorSetting& c : kColors) style.*c.field = (COLORREF)app->ReadSettingInt(c.setting);
}

void ClockHands::InitHands(HWND window, AppState* state, int dpi) {
  app = state;
  hwnd = window;
  RevealHands();
  LoadSettings();
  tools.nullBrush = (HBRUSH)GetStockObject(NULL_BRUSH);
  UseDpi(dpi);
  // Applied, not stored: starting writes nothing.
  ApplyDesign(style.design);
}

void ClockHands::ApplyDesign(int number) {
  style.design = number;
  CreateHandTools(&tools, &style);
}

void ClockHands::UseDpi(int dpi) {
  CreateTextTools(&tools, dpi);
  if (tools.hourPen) CreateHandTools(&tools, &style);
}

void ClockHands::SetDesign(int number) {
  ApplyDesign(number);
  app->WriteSettingInt(Setting::handDesign, number);
}

void ClockHands::ReleaseHands() { DeleteHandTools(&tools); }

void ClockHands::RevealHands() {
  autoHideCount = AUTO_HIDE_SECONDS;
  handsVisible = 1;
}

// While a settings dialog is open the hands stay, and so does the count.
void ClockHands::CountDownAutoHide(int dialogOpen) {
  handsVisible = 1;
  if (dialogOpen || !autoHide) return;
  if (--autoHideCount < 1) {
    handsVisible = 0;
    autoHideCount = 0;
  }
}

int ClockHands::GetHandOption(int code) {
  switch (code) {
    case OPTION_AUTO_HIDE: return autoHide;
    case OPTION_INFO_MODE: return infoMode;
    case OPTION_SHOWN_NOW: return handsVisible;
    case OPTION_BOLD: return style.boldLines;
    case OPTION_HOLLOW: return style.hollowHands;
    case OPTION_SMOOTH: return style.smoothHands;
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
      style.boldLines = !style.boldLines;
      app->WriteSettingInt(Setting::boldLines, style.boldLines);
      SetDesign(style.design);
      break;
    case OPTION_HOLLOW:
      style.hollowHands = !style.hollowHands;
      app->WriteSettingInt(Setting::hollowHands, style.hollowHands);
      SetDesign(style.design);
      break;
    case OPTION_SMOOTH:
      style.smoothHands = !style.smoothHands;
      app->WriteSettingInt(Setting::smoothHands, style.smoothHands);
      break;
    default: break;
  }
}

void ClockHands::StoreColor(int slot, COLORREF color) {
  const ColorSetting& c = kColors[slot - 1];
  style.*c.field = color;
  app->WriteSettingInt(c.setting, (int)color);
}

void ClockHands::ChooseHandColor(int which) {
  if (which == SLOT_RESET) {
    for (int slot = SLOT_SECOND_OUTLINE; slot <= SLOT_HOUR_FILL; slot++)
      StoreColor(slot, (COLORREF)SettingRowOf(kColors[slot - 1].setting)->initial);
    style.hollowHands = 0;
    app->WriteSettingInt(Setting::hollowHands, 0);
    SetDesign(style.design);
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
  const LaterCalls* dialogs = LoadLater(LATER_COMDLG32);
  if (!dialogs || !dialogs->chooseColorA(&request)) return;
  StoreColor(which, request.rgbResult);
  SetDesign(style.design);
}

