#include "face/hands.h"

#include "app/app_state.h"

void ClockHands::InitHands(HWND window, HDC dc, AppState* state) {
  hwnd = window;
  memoryDC = dc;
  app = state;
}

void ClockHands::ReleaseHands() {}

void ClockHands::DrawHands(const SYSTEMTIME*) {}

void ClockHands::SetDesign(int number) {
  design = number;
}

void ClockHands::RevealHands() {
  autoHideCount = 10;
  handsVisible = 1;
}

int ClockHands::GetHandOption(int) {
  return 0;
}

void ClockHands::ToggleHandOption(int, int) {}

void ClockHands::ChooseHandColor(int) {}

void ClockHands::UpdateHandMenuChecks(HMENU) {}
