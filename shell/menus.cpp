#include "shell/menus.h"

#include "res/resource.h"

enum { MENU_IMAGE_SIZE = 11 };

void MarkMenuItems(HMENU menu, const MenuCommand* commands, int count) {
  for (int i = 0; i < count; i++) {
    const MenuCommand* c = &commands[i];
    if (c->rule == MARK_NONE) continue;
    int mark = c->mark(c->arg);
    if (mark & MARK_GRAYED) EnableMenuItem(menu, c->id, MF_BYCOMMAND | MF_GRAYED);
    if (!(mark & MARK_ON)) continue;
    if (c->rule == MARK_RADIO) CheckMenuRadioItem(menu, c->id, c->id, c->id, MF_BYCOMMAND);
    else CheckMenuItem(menu, c->id, MF_BYCOMMAND | MF_CHECKED);
  }
}

void GraySubmenuHolding(HMENU menu, UINT id) {
  for (int i = 0; i < GetMenuItemCount(menu); i++) {
    HMENU sub = GetSubMenu(menu, i);
    if (!sub) continue;
    for (int j = 0; j < GetMenuItemCount(sub); j++)
      if (GetMenuItemID(sub, j) == id) {
        EnableMenuItem(menu, i, MF_BYPOSITION | MF_GRAYED);
        return;
      }
    GraySubmenuHolding(sub, id);
  }
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

// The position of the submenu that holds the command, or -1.
static int SubmenuHolding(HMENU menu, UINT id) {
  for (int i = 0; i < GetMenuItemCount(menu); i++) {
    HMENU sub = GetSubMenu(menu, i);
    if (sub && GetMenuState(sub, id, MF_BYCOMMAND) != (UINT)-1) return i;
  }
  return -1;
}

void ShowMainMenu(HWND window, void (*markMenu)(HMENU menu)) {
  HMENU bar = LoadMenuA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDR_MENU));
  if (!bar) return;
  HMENU menu = GetSubMenu(bar, MAIN_MENU);
  markMenu(menu);
  HBITMAP find = LoadMenuImage(IDB_MENU_FIND), sound = LoadMenuImage(IDB_MENU_SOUND);
  SetMenuItemBitmaps(menu, IDM_BACKGROUND, MF_BYCOMMAND, find, NULL);
  SetMenuItemBitmaps(menu, SubmenuHolding(menu, IDM_CHIME), MF_BYPOSITION, sound, NULL);
  TrackAtCursor(menu, window);
  DestroyMenu(bar);
  // The menu no longer shows them; the images are ours to release.
  if (find) DeleteObject(find);
  if (sound) DeleteObject(sound);
  // Lets the menu close properly when the user clicks elsewhere.
  PostMessageA(window, WM_NULL, 0, 0);
}
