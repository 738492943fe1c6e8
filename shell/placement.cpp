#include "shell/placement.h"

#include <windowsx.h>

#include "settings/app_state.h"
#include "base/dpi_scale.h"
#include "face/clock_image.h"
#include "face/region.h"
#include "platform/newer_calls.h"

enum { MONITOR_LIMIT = 16, AVOID_POLL_MS = 333, AVOID_RESHOW_MS = 1000 };

struct MonitorList {
  ScreenArea areas[MONITOR_LIMIT];
  int count;
};

static ScreenArea AreaOf(const RECT* r) { return ScreenArea{r->left, r->top, r->right, r->bottom}; }

static BOOL CALLBACK AddMonitorWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MonitorList* list = (MonitorList*)data;
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (Newer()->getMonitorInfo(monitor, &info)) list->areas[list->count++] = AreaOf(&info.rcWork);
  return list->count < MONITOR_LIMIT;
}

// Half the clock's side as it stands now, at its DPI.
static int ClockHalf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return (r.right - r.left) / 2;
}

// The face's centre on the screen, kept as the clock moves: the cursor is
// avoided around it.
static POINT centre;

static void NoteCentre(HWND window, POINT p) {
  int half = ClockHalf(window);
  centre = POINT{p.x + half, p.y + half};
}

// While set, every move of the clock among windows is a move to the bottom.
static int forcingBottom;

// The placement rule for a corner the clock stands or stood at.
static POINT PlaceOnAMonitor(HWND window, ScreenPoint wanted) {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  ScreenArea primary = AreaOf(&work);
  // Without the monitor calls (95, NT 4.0) the primary work area is all there is.
  MonitorList monitors = {};
  if (Newer()->enumDisplayMonitors && Newer()->getMonitorInfo)
    Newer()->enumDisplayMonitors(NULL, NULL, AddMonitorWorkArea, (LPARAM)&monitors);
  if (monitors.count == 0) monitors.areas[monitors.count++] = primary;
  ScreenPoint p =
      ChooseWindowPosition(wanted, &primary, monitors.areas, monitors.count, ClockHalf(window));
  return POINT{p.x, p.y};
}

void LoadWindowPosition(HWND window, AppState* app, POINT* position) {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  ScreenArea primary = AreaOf(&work);
  ScreenPoint fallback = DefaultWindowPosition(&primary, ClockHalf(window));
  ScreenPoint stored = {app->ReadSettingInt(Setting::windowLeft, fallback.x),
                        app->ReadSettingInt(Setting::windowTop, fallback.y)};
  *position = PlaceOnAMonitor(window, stored);
  NoteCentre(window, *position);
  forcingBottom = app->ReadSettingInt(Setting::alwaysAtBottom);
}

void KeepOnScreen(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  POINT p = PlaceOnAMonitor(window, ScreenPoint{r.left, r.top});
  // Moved, not stored: the stored place is where the user left it.
  if (p.x != r.left || p.y != r.top)
    SetWindowPos(window, NULL, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  NoteCentre(window, p);
}

// The clock at another scale, a new DPI or a new size, standing at corner.
static void ApplyScale(HWND window, ClockImage* face, const ClockOutline* outline, int scale,
                       POINT corner) {
  SetWindowPos(window, NULL, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyOutline(window, outline, scale);
  face->SetScale(scale);
  NoteCentre(window, corner);
}

void ApplyDpi(HWND window, AppState* app, ClockImage* face, const ClockOutline* outline, int dpi,
              const RECT* suggested) {
  ApplyScale(window, face, outline, ClockDpi(dpi, app->ReadSettingInt(Setting::sizePercent)),
             POINT{suggested->left, suggested->top});
}

void SetClockSize(HWND window, AppState* app, ClockImage* face, const ClockOutline* outline,
                  int percent) {
  app->WriteSettingInt(Setting::sizePercent, percent);
  int scale = ClockDpi(WindowDpi(window), percent);
  WindowShape size = OutlineSize(outline, scale);
  RECT r, work;
  GetWindowRect(window, &r);
  WindowWorkArea(window, &work);
  ScreenArea before = AreaOf(&r), area = AreaOf(&work);
  ScreenPoint p = ResizeAboutCentre(&before, size.width, size.height, &area);
  ApplyScale(window, face, outline, scale, POINT{p.x, p.y});
  // Stored, so that the next start finds the clock about the same centre.
  app->WriteSettingInt(Setting::windowLeft, p.x);
  app->WriteSettingInt(Setting::windowTop, p.y);
}

// The window's top-left corner on the screen when the grab point sits at
// the client point in lParam.
static POINT CornerUnderCursor(HWND window, LPARAM lParam, int grabX, int grabY) {
  POINT p = {GET_X_LPARAM(lParam) - grabX, GET_Y_LPARAM(lParam) - grabY};
  ClientToScreen(window, &p);
  return p;
}

void SaveWindowPosition(HWND window, AppState* app, LPARAM lParam, int grabX, int grabY) {
  POINT p = CornerUnderCursor(window, lParam, grabX, grabY);
  app->WriteSettingInt(Setting::windowLeft, p.x);
  app->WriteSettingInt(Setting::windowTop, p.y);
  NoteCentre(window, p);
}

// A z-order change only: activating the clock would raise it again.
static void SetZOrder(HWND window, HWND insertAfter) {
  SetWindowPos(window, insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void KeepAtBottom(WINDOWPOS* move) {
  if (forcingBottom) move->hwndInsertAfter = HWND_BOTTOM;
}

void SetZOrderMode(HWND window, AppState* app, int mode) {
  static const HWND kPlaces[] = {HWND_NOTOPMOST, HWND_TOPMOST, HWND_TOP, HWND_BOTTOM};
  ZOrderPlan plan = PlanZOrder(mode, app->ReadSettingInt(Setting::alwaysOnTop),
                               app->ReadSettingInt(Setting::alwaysAtBottom));
  forcingBottom = 0;
  for (int i = 0; i < plan.moveCount; i++) {
    if (i == plan.moveCount - 1) forcingBottom = plan.bottom;
    SetZOrder(window, kPlaces[plan.moves[i]]);
  }
  forcingBottom = plan.bottom;
  // What the plan leaves unwritten it leaves as it was.
  if (plan.writeTop) app->WriteSettingInt(Setting::alwaysOnTop, plan.top);
  if (plan.writeBottom) app->WriteSettingInt(Setting::alwaysAtBottom, plan.bottom);
}

int IsCursorNear(HWND window) {
  POINT cursor;
  if (!GetCursorPos(&cursor)) return 0;
  int radius = AVOID_RADIUS * ClockHalf(window) / FACE_HALF;
  return CursorWithinCircle(ScreenPoint{cursor.x, cursor.y}, ScreenPoint{centre.x, centre.y},
                            radius);
}

static AvoidState avoidState = AVOID_SHOWN;

void AvoidCursor(HWND w, int step) {
  int actions = NextAvoidStep(&avoidState, step, IsCursorNear(w));
  if (actions & AVOID_STOP_POLL) KillTimer(w, TIMER_AVOID_POLL);
  if (actions & AVOID_STOP_RESHOW) KillTimer(w, TIMER_AVOID_RESHOW);
  if (actions & AVOID_START_POLL) SetTimer(w, TIMER_AVOID_POLL, AVOID_POLL_MS, NULL);
  if (actions & AVOID_START_RESHOW) SetTimer(w, TIMER_AVOID_RESHOW, AVOID_RESHOW_MS, NULL);
  if (actions & AVOID_HIDE) ShowWindow(w, SW_HIDE);
  if (actions & AVOID_SHOW) ShowWindow(w, SW_SHOW);
}

// Dragging. Where the left button went down, in client coordinates.
static int grabX, grabY;

static void MoveWithCursor(HWND window, LPARAM lParam) {
  RECT r;
  GetWindowRect(window, &r);
  POINT p = CornerUnderCursor(window, lParam, grabX, grabY);
  MoveWindow(window, p.x, p.y, r.right - r.left, r.bottom - r.top, TRUE);
}

static void OnButtonDown(HWND w, AppState* app, LPARAM lParam) {
  // The face as it stands, before the move loop holds the thread.
  UpdateWindow(w);
  grabX = GET_X_LPARAM(lParam);
  grabY = GET_Y_LPARAM(lParam);
  if (app->ReadSettingInt(Setting::moveWhileShown)) {
    SetCapture(w);
    return;
  }
  // The system's own move loop, as if the user had grabbed a caption.
  SendMessageA(w, WM_NCLBUTTONDOWN, HTCAPTION, 0);
  SaveWindowPosition(w, app, lParam, grabX, grabY);
}

// A move-while-shown drag is in progress exactly while the clock holds
// the capture: a button released over the clock after a press elsewhere,
// or a move with the button held from elsewhere, is no drag and must
// neither move the clock nor store a position it does not stand at.
static void OnButtonUp(HWND w, AppState* app, LPARAM lParam) {
  if (GetCapture() != w) return;
  ReleaseCapture();
  MoveWithCursor(w, lParam);
  SaveWindowPosition(w, app, lParam, grabX, grabY);
}

int HandleDragMessage(HWND window, AppState* app, UINT message, WPARAM wParam, LPARAM lParam,
                      LRESULT* result) {
  if (app->ReadSettingInt(Setting::lockPosition)) return 0;
  *result = 0;
  switch (message) {
    case WM_LBUTTONDOWN:
      OnButtonDown(window, app, lParam);
      return 1;
    case WM_MOUSEMOVE:
      if (!app->ReadSettingInt(Setting::moveWhileShown)) return 0;
      if ((wParam & MK_LBUTTON) && GetCapture() == window) MoveWithCursor(window, lParam);
      return 1;
    case WM_LBUTTONUP:
      OnButtonUp(window, app, lParam);
      return 1;
  }
  return 0;
}
