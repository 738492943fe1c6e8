#include "skins/wallpaper_style.h"

#include "skins/preview_geometry.h"

// "WallpaperStyle" of each style; tile is 0 with "TileWallpaper" 1.
static const int kStyleNumbers[STYLE_COUNT] = {0, 0, 2, 6, 10, 22};

int ParseStyleNumber(const char* text) {
  int value = 0;
  // The registry buffer holds at most three digits.
  for (int i = 0; i < 3 && text[i] >= '0' && text[i] <= '9'; i++) value = value * 10 + (text[i] - '0');
  return value;
}

int StylesOfSystem(int isNt, int major, int minor) {
  int version = isNt ? major * 100 + minor : 0;
  return version >= 602 ? STYLE_SPAN + 1 : version >= 601 ? STYLE_FILL + 1 : STYLE_STRETCH + 1;
}

// Tiling wins over the style number; STYLE_COUNT for a number no style has.
static int StyleOfValues(int tile, int style) {
  if (tile == 1) return STYLE_TILE;
  for (int s = 0; s < STYLE_COUNT; s++)
    if (s != STYLE_TILE && kStyleNumbers[s] == style) return s;
  return STYLE_COUNT;
}

void PlanStyleBox(int offered, int tile, int style, StyleBox* box) {
  box->offered = offered;
  box->tile = tile;
  box->style = style;
  box->selected = StyleOfValues(tile, style);
  box->stranger = box->selected >= offered;
  if (box->stranger) box->selected = offered;
}

void EntryValues(const StyleBox* box, int entry, int* tile, int* style) {
  if (entry < 0 || entry >= box->offered) {
    *tile = box->tile, *style = box->style;
    return;
  }
  *tile = entry == STYLE_TILE;
  *style = kStyleNumbers[entry];
}

int EntryPreviewStyle(const StyleBox* box, int entry) {
  return entry >= 0 && entry < box->offered ? entry : STYLE_CENTER;
}
