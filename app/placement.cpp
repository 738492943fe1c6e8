#include "app/placement.h"

#include "app/app_state.h"

void LoadWindowPosition(AppState* app, POINT* position) {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  int defaultX = work.right / 2 - 100, defaultY = work.bottom / 2 - 100;
  int x = app->ReadSettingInt("WINDOW", "POSX", defaultX);
  if (x < work.left - 100 || x > work.right - 100) x = defaultX;
  int y = app->ReadSettingInt("WINDOW", "POSY", defaultY);
  if (y < work.top - 100 || y > work.bottom - 100) y = defaultY;
  app->centerX = x + 100;
  app->centerY = y + 100;
  position->x = x;
  position->y = y;
}
