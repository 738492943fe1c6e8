#include "skins/wallpaper_style.h"

#include "skins/preview_geometry.h"

int ParseStyleNumber(const char* text) {
  int value = 0;
  // The registry buffer holds at most three digits.
  for (int i = 0; i < 3 && text[i] >= '0' && text[i] <= '9'; i++) value = value * 10 + (text[i] - '0');
  return value;
}

int StyleIndexFromValues(int tile, int style) {
  return tile == 1 ? STYLE_TILE : style;
}

void StyleValuesForIndex(int index, int* tile, int* style) {
  *tile = index == STYLE_TILE;
  *style = index == STYLE_TILE ? 0 : index;
}
