// The position rule and the avoidance steps on arbitrary numbers: no
// overflow, and every chosen coordinate is the stored or the default one.
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "shell/position_rule.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  enum { MAX_AREAS = 5 };
  int values[2 + 4 * (MAX_AREAS + 1)] = {};
  size_t n = size < sizeof values ? size : sizeof values;
  memcpy(values, data, n);
  ScreenPoint stored = {values[0], values[1]};
  const ScreenArea* primary = (const ScreenArea*)&values[2];
  const ScreenArea* monitors = primary + 1;
  int count = (int)(n / 16) - 1;
  if (count < 0) count = 0;
  if (count > MAX_AREAS) count = MAX_AREAS;
  ScreenPoint p = ChooseWindowPosition(stored, primary, monitors, count);
  ScreenPoint d = DefaultWindowPosition(primary);
  if ((p.x != stored.x && p.x != d.x) || (p.y != stored.y && p.y != d.y)) __builtin_trap();
  CursorWithinCircle(stored, p);
  AvoidState state = (AvoidState)((unsigned)values[2] % 3);
  NextAvoidStep(&state, values[3], values[4] & 1);
  return 0;
}
