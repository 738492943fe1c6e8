#include "skins/change_rules.h"

int PickPosition(int mode, int count, int current, RandomSource random, void* context) {
  if (count < 1) return -1;
  switch (mode) {
    case PICK_NEXT:
      return current + 1 > count - 1 ? 0 : current + 1;
    case PICK_PREVIOUS:
      return current - 1 < 0 ? count - 1 : current - 1;
    case PICK_FIRST:
      return 0;
    case PICK_LAST:
      return count - 1;
    case PICK_RANDOM: {
      if (count < 2) return -1;
      int p;
      do p = random(context) % count;
      while (p == current);
      return p;
    }
  }
  return -1;
}

int BackgroundDialogLeft(int clockLeft, int clockRight, int dpi) {
  int width = ScaleToDpi(350, dpi);
  return clockLeft > width ? clockLeft - width : clockRight + ScaleToDpi(10, dpi);
}
