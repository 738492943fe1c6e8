// Decisions about where the clock stands and when it gets out of the
// cursor's way, free of the platform so they can be tested anywhere.
#pragma once

// Half the face's 200-pixel side; the avoidance circle's radius.
enum { FACE_HALF = 100, AVOID_RADIUS = 80 };

struct ScreenArea {
  int left, top, right, bottom;
};

struct ScreenPoint {
  int x, y;
};

// The default position: the centre of the primary work area's right and
// bottom edges halved (its left and top do not count).
// half is half the window's side (FACE_HALF at 96 DPI).
ScreenPoint DefaultWindowPosition(const ScreenArea* primary, int half = FACE_HALF);

// Keeps a stored top-left corner when the window's centre lies within the
// work area of one of the monitors (at least half of the window inside);
// otherwise each coordinate is judged against the nearest monitor's work
// area and falls back to its default when less than half of the window is in.
ScreenPoint ChooseWindowPosition(ScreenPoint stored, const ScreenArea* primary,
                                 const ScreenArea* monitors, int monitorCount,
                                 int half = FACE_HALF);

// The top-left corner of a window that stood at before, given a new
// width and height: about the same centre, and no further outside the
// work area than it stood already, on an axis where it fits at all.
ScreenPoint ResizeAboutCentre(const ScreenArea* before, int width, int height,
                              const ScreenArea* work);

// The cursor is within the avoidance circle around the face centre.
int CursorWithinCircle(ScreenPoint cursor, ScreenPoint centre, int radius = AVOID_RADIUS);

// Cursor avoidance: shown, hidden while polling the cursor, hidden while
// waiting to show again.
enum AvoidState { AVOID_SHOWN, AVOID_HIDDEN_POLLING, AVOID_HIDDEN_WAITING };
// What happened: the cursor came over the clock, or one of the two timers ticked.
enum AvoidStep { AVOID_OVER_CLOCK = 0, AVOID_RESHOW_TICK = 1, AVOID_POLL_TICK = 2 };
enum AvoidAction {
  AVOID_START_POLL = 1,
  AVOID_STOP_POLL = 2,
  AVOID_START_RESHOW = 4,
  AVOID_STOP_RESHOW = 8,
  AVOID_HIDE = 16,
  AVOID_SHOW = 32
};

// Moves *state on for one step and returns the actions (a set of
// AvoidAction bits) the window must carry out. Steps that do not belong
// to the current state (a late timer message) change nothing.
int NextAvoidStep(AvoidState* state, int step, int cursorNear);
