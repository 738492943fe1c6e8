#include "shell/position_rule.h"

#include <stddef.h>

ScreenPoint DefaultWindowPosition(const ScreenArea* primary, int half) {
  return ScreenPoint{primary->right / 2 - half, primary->bottom / 2 - half};
}

// How far an edge lies outside the range that keeps at least half of the
// window within [low, high]; 0 when it is half inside.
static long long HalfInsideMiss(int edge, int low, int high, int half) {
  long long first = (long long)low - half, last = (long long)high - half;
  if (edge < first) return first - edge;
  if (edge > last) return edge - last;
  return 0;
}

static int HalfInsideArea(ScreenPoint p, const ScreenArea* a, int half) {
  return HalfInsideMiss(p.x, a->left, a->right, half) == 0 &&
         HalfInsideMiss(p.y, a->top, a->bottom, half) == 0;
}

static int HalfInsideAny(ScreenPoint p, const ScreenArea* areas, int count, int half) {
  for (int i = 0; i < count; i++)
    if (HalfInsideArea(p, &areas[i], half)) return 1;
  return 0;
}

// The area the window's centre lies nearest to.
static const ScreenArea* NearestArea(ScreenPoint p, const ScreenArea* areas, int count,
                                     int half) {
  const ScreenArea* nearest = NULL;
  double best = 0;
  for (int i = 0; i < count; i++) {
    // A miss can reach 2^33 with hand-edited values: square in floating point.
    double dx = (double)HalfInsideMiss(p.x, areas[i].left, areas[i].right, half);
    double dy = (double)HalfInsideMiss(p.y, areas[i].top, areas[i].bottom, half);
    double d = dx * dx + dy * dy;
    if (!nearest || d < best) {
      nearest = &areas[i];
      best = d;
    }
  }
  return nearest;
}

ScreenPoint ChooseWindowPosition(ScreenPoint stored, const ScreenArea* primary,
                                 const ScreenArea* monitors, int monitorCount, int half) {
  if (HalfInsideAny(stored, monitors, monitorCount, half)) return stored;
  ScreenPoint fallback = DefaultWindowPosition(primary, half);
  const ScreenArea* judge = NearestArea(stored, monitors, monitorCount, half);
  if (!judge) judge = primary;
  // Per coordinate against the nearest monitor: a clock pushed off its
  // monitor's edge keeps the other coordinate.
  ScreenPoint p = fallback;
  if (!HalfInsideMiss(stored.x, judge->left, judge->right, half)) p.x = stored.x;
  if (!HalfInsideMiss(stored.y, judge->top, judge->bottom, half)) p.y = stored.y;
  if (monitorCount == 0 || HalfInsideAny(p, monitors, monitorCount, half)) return p;
  return fallback;
}

// One axis of ResizeAboutCentre: a span [low, high) becomes one of length size.
static int SpanAboutCentre(int low, int high, int size, int workLow, int workHigh) {
  long long twice = (long long)low + high - size;
  long long start = twice >= 0 ? twice / 2 : -((1 - twice) / 2);  // rounded down
  long long first = low < workLow ? low : workLow, last = high > workHigh ? high : workHigh;
  if (size <= last - first) {
    if (start < first) start = first;
    if (start + size > last) start = last - size;
  }
  return (int)start;
}

ScreenPoint ResizeAboutCentre(const ScreenArea* before, int width, int height,
                              const ScreenArea* work) {
  return ScreenPoint{SpanAboutCentre(before->left, before->right, width, work->left, work->right),
                     SpanAboutCentre(before->top, before->bottom, height, work->top, work->bottom)};
}

int CursorWithinCircle(ScreenPoint cursor, ScreenPoint centre, int radius) {
  // Wide arithmetic: the centre comes from a hand-editable file.
  long long dx = (long long)cursor.x - centre.x, dy = (long long)cursor.y - centre.y;
  if (dx <= -radius || dx >= radius || dy <= -radius || dy >= radius) return 0;
  return dx * dx + dy * dy < (long long)radius * radius;
}

int NextAvoidStep(AvoidState* state, int step, int cursorNear) {
  // The pointer near the clock hides it in every state: a clock shown again
  // by a command while the timers still run must not stay under it.
  if (step == AVOID_OVER_CLOCK) {
    if (!cursorNear) return 0;
    int stopReshow = *state == AVOID_HIDDEN_WAITING ? AVOID_STOP_RESHOW : 0;
    *state = AVOID_HIDDEN_POLLING;
    return stopReshow | AVOID_START_POLL | AVOID_HIDE;
  }
  switch (*state) {
    case AVOID_SHOWN:
      return 0;
    case AVOID_HIDDEN_POLLING:
      if (step != AVOID_POLL_TICK || cursorNear) return 0;
      *state = AVOID_HIDDEN_WAITING;
      return AVOID_STOP_POLL | AVOID_START_RESHOW;
    case AVOID_HIDDEN_WAITING:
      if (step != AVOID_RESHOW_TICK) return 0;
      if (cursorNear) {
        *state = AVOID_HIDDEN_POLLING;
        return AVOID_STOP_RESHOW | AVOID_START_POLL;
      }
      *state = AVOID_SHOWN;
      return AVOID_STOP_RESHOW | AVOID_SHOW;
  }
  return 0;
}
