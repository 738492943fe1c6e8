#include "app/menus.h"

#include "app/app_state.h"
#include "face/hand_geometry.h"
#include "face/hands.h"
#include "res/resource.h"

enum { MENU_IMAGE_SIZE = 11, CHIME_SUBMENU_POSITION = 8 };

void UpdateMenuChecks(AppState* app, HMENU menu) {
  // Both top and bottom set (a hand-edited file) lies outside the group: no mark.
  CheckMenuRadioItem(menu, IDM_ZORDER_NORMAL, IDM_ZORDER_BOTTOM,
                     IDM_ZORDER_NORMAL + app->top + 2 * app->bottom, MF_BYCOMMAND);
  const struct { UINT id; int* flag;
  } checks[] = {{IDM_MOVE_SHOWN, &app->fvMove},     {IDM_LOCK_POSITION, &app->posLock},
                {IDM_AVOID_CURSOR, &app->wndHide},  {IDM_CHIME, &app->sound},
                {IDM_NO_SECOND_HAND, &app->nonSec}, {IDM_RESIDENT, &app->tray}};
  for (const auto& c : checks)
    CheckMenuItem(menu, c.id, MF_BYCOMMAND | (*c.flag ? MF_CHECKED : MF_UNCHECKED));
  if (!app->tray) EnableMenuItem(menu, IDM_HIDE, MF_BYCOMMAND | MF_GRAYED);
}

// The images are drawn on the classic menu grey; that grey becomes this
// system's menu colour, so they do not sit in a grey box on a light menu.
static void TintMenuImageBackground(HBITMAP image) {
  HDC dc = CreateCompatibleDC(NULL);
  HGDIOBJ old = SelectObject(dc, image);
  RGBQUAD colours[16];
  UINT count = GetDIBColorTable(dc, 0, 16, colours);
  COLORREF menu = GetSysColor(COLOR_MENU);
  for (UINT i = 0; i < count; i++)
    if (colours[i].rgbRed == 192 && colours[i].rgbGreen == 192 && colours[i].rgbBlue == 192)
      colours[i] = RGBQUAD{GetBValue(menu), GetGValue(menu), GetRValue(menu), 0};
  SetDIBColorTable(dc, 0, count, colours);
  SelectObject(dc, old);
  DeleteDC(dc);
}

static HBITMAP LoadMenuImage(int id) {
  HBITMAP image = (HBITMAP)LoadImageA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(id), IMAGE_BITMAP,
                                      MENU_IMAGE_SIZE, MENU_IMAGE_SIZE,
                                      LR_COLOR | LR_CREATEDIBSECTION);
  if (image) TintMenuImageBackground(image);
  return image;
}

void TrackAtCursor(HMENU popup, HWND owner) {
  POINT cursor;
  GetCursorPos(&cursor);
  TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, owner, NULL);
}

void UpdateHandMenuChecks(const ClockHands* hands, HMENU menu) {
  if (hands->autoHide) CheckMenuItem(menu, IDM_AUTO_HIDE, MF_BYCOMMAND | MF_CHECKED);
  if (hands->boldLines) CheckMenuItem(menu, IDM_BOLD, MF_BYCOMMAND | MF_CHECKED);
  if (hands->hollowHands) CheckMenuItem(menu, IDM_HOLLOW, MF_BYCOMMAND | MF_CHECKED);
  if (hands->design == DESIGN_BALLOON) EnableMenuItem(menu, IDM_HOLLOW, MF_BYCOMMAND | MF_GRAYED);
  CheckMenuRadioItem(menu, IDM_INFO_NONE, IDM_INFO_MEMORY_LOAD, IDM_INFO_NONE + hands->infoMode,
                     MF_BYCOMMAND);
  CheckMenuRadioItem(menu, IDM_DESIGN_SQUARE, IDM_DESIGN_NONE,
                     IDM_DESIGN_SQUARE + hands->design - DESIGN_SQUARE, MF_BYCOMMAND);
}

void ShowMainMenu(AppState* app, ClockHands* hands) {
  HMENU bar = LoadMenuA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDR_MENU));
  if (!bar) return;
  HMENU menu = GetSubMenu(bar, MAIN_MENU);
  UpdateMenuChecks(app, menu);
  UpdateHandMenuChecks(hands, menu);
  HBITMAP find = LoadMenuImage(IDB_MENU_FIND), sound = LoadMenuImage(IDB_MENU_SOUND);
  SetMenuItemBitmaps(menu, IDM_BACKGROUND, MF_BYCOMMAND, find, NULL);
  SetMenuItemBitmaps(menu, CHIME_SUBMENU_POSITION, MF_BYPOSITION, sound, NULL);
  TrackAtCursor(menu, app->hwnd);
  DestroyMenu(bar);
  // The menu no longer shows them; the images are ours to release.
  if (find) DeleteObject(find);
  if (sound) DeleteObject(sound);
  // Lets the menu close properly when the user clicks elsewhere.
  PostMessageA(app->hwnd, WM_NULL, 0, 0);
}
