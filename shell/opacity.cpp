#include "shell/opacity.h"

#include "platform/newer_calls.h"
#include "settings/app_state.h"

int CanChangeOpacity() { return Newer()->setLayeredWindowAttributes != NULL; }

int OpacityInEffect(int percent) {
  if (!CanChangeOpacity() || percent < OPACITY_LOWEST || percent > OPACITY_FULL)
    return OPACITY_FULL;
  return percent;
}

void ApplyOpacity(HWND window, int percent) {
  int opacity = OpacityInEffect(percent);
  LONG style = GetWindowLongA(window, GWL_EXSTYLE);
  if (opacity == OPACITY_FULL) {
    // A plain window costs nothing to compose; it must paint itself anew.
    if (!(style & WS_EX_LAYERED)) return;
    SetWindowLongA(window, GWL_EXSTYLE, style & ~WS_EX_LAYERED);
    RedrawWindow(window, NULL, NULL, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    return;
  }
  if (!(style & WS_EX_LAYERED)) SetWindowLongA(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
  BYTE alpha = (BYTE)((opacity * 255 + OPACITY_FULL / 2) / OPACITY_FULL);
  Newer()->setLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
}

void SetClockOpacity(HWND window, AppState* app, int percent) {
  app->WriteSettingInt(Setting::opacityPercent, percent);
  ApplyOpacity(window, percent);
}
