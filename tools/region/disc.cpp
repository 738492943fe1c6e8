#include "tools/region/disc.h"

bool InsideDisc(int x, int y, const void*) {
  double dx = x + 0.5 - DISC_SIZE / 2.0, dy = y + 0.5 - DISC_SIZE / 2.0;
  return dx * dx + dy * dy <= (DISC_SIZE / 2.0) * (DISC_SIZE / 2.0);
}
