// The mail icon: a letter.
#include "tools/assets/assets.h"

static const Rgb kBlack = {0, 0, 0}, kWhite = {255, 255, 255};

Canvas DrawLetterIcon(int size) {
  Canvas c(size, size, kWhite, 0);
  FillRect(&c, size * 0.05, size * 0.2, size * 0.95, size * 0.8, kBlack);
  FillRect(&c, size * 0.1, size * 0.25, size * 0.9, size * 0.75, kWhite);
  return c;
}
