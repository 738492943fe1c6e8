#include "app/window_proc.h"

#include <commctrl.h>

#include "app/clock_source.h"
#include "app/globals.h"
#include "app/menus.h"
#include "app/placement.h"
#include "app/tick_rule.h"
#include "app/sound.h"
#include "events/event_dialog.h"
#include "events/event_runner.h"
#include "mail/mail_check.h"
#include "mail/mail_dialogs.h"
#include "skins/background_dialog.h"
#include "skins/image_changer.h"
#include "skins/wallpaper_dialog.h"

enum { HAND_AUTO_HIDE = 1, HAND_INFO_MODE = 2, HAND_SHOWN_NOW = 3, HAND_BOLD = 5,
       HAND_HOLLOW = 6 };

static int tickStarted;
static TickMarks tickMarks;
static int keyLatch;

static void ChangeImageNow(int mode, int kind, int current) {
  ImageChanger changer = {&theClock, &theApp};
  changer.ChangeImage(mode, kind, current);
}

// Jobs of a minute the tick found late run with that minute's time.
static void OnMinuteBoundary(const SYSTEMTIME* time) {
  theApp.mailMinutes += 1;
  theApp.skinMinutes += 1;
  if (theApp.timeChange && theApp.skinMinutes == theApp.changeMin &&
      theApp.openDialog != DIALOG_BACKGROUND)
    ChangeImageNow(theApp.changeRnd ? PICK_RANDOM : PICK_NEXT, KIND_SKIN, theApp.imageLastNum);
  if (theApp.sound && time->wMinute == 0) PlaySettingSound(&theApp, "EXT", "SOUNDFILE");
  if (theApp.allowCheck && theApp.mailMinutes > theApp.checkTime &&
      theApp.openDialog != DIALOG_MAIL)
    StartMailCheck(&theApp);
  if (theApp.openDialog != DIALOG_EVENT) RunDueEvents(&theApp, time);
}

static void OnHalfMinute() {
  theApp.wallpaperMinutes += 1;
  if (theApp.wallpaperAutoChange && theApp.wallpaperMinutes == theApp.wallpaperChangeTime &&
      theApp.openDialog != DIALOG_WALLPAPER)
    ChangeImageNow(PICK_NEXT, KIND_WALLPAPER, theApp.wallpaperLastNum);
}

static TickTime TickTimeOf(const SYSTEMTIME* t) {
  return TickTime{t->wYear, t->wMonth, t->wDay, t->wHour, t->wMinute, t->wSecond, t->wDayOfWeek};
}

static SYSTEMTIME ClockTimeOfMinute(long long minute) {
  TickTime t;
  MinuteTime(minute, &t);
  SYSTEMTIME s = {(WORD)t.year, (WORD)t.month, (WORD)t.dayOfWeek, (WORD)t.day,
                  (WORD)t.hour, (WORD)t.minute, 0, 0};
  return s;
}

static void OnClockTick() {
  if (!tickStarted) {
    TickTime start = TickTimeOf(&clockTime);
    StartTickMarks(&start, &tickMarks);
    tickStarted = 1;
  }
  ReadClockTime(&clockTime);
  TickTime now = TickTimeOf(&clockTime);
  TickPlan plan;
  PlanTick(&now, &tickMarks, &plan);
  if (!plan.redraw) return;
  theClock.RedrawClock(&clockTime);
  for (int i = 0; i < plan.minuteRuns; i++) {
    SYSTEMTIME minute = ClockTimeOfMinute(plan.firstMinute + i);
    OnMinuteBoundary(&minute);
  }
  for (int i = 0; i < plan.halfRuns; i++) OnHalfMinute();
}

static void OnTimer(WPARAM id) {
  if (id == TIMER_AVOID_POLL) AvoidCursor(&theApp, AVOID_POLL_TICK);
  else if (id == TIMER_AVOID_RESHOW) AvoidCursor(&theApp, AVOID_RESHOW_TICK);
  else OnClockTick();
}

static void OnSetCursor(LPARAM lParam) {
  if (LOWORD(lParam) != HTCLIENT) return;
  if (theApp.wndHide) AvoidCursor(&theApp, AVOID_OVER_CLOCK);
  ClockHands* hands = &theClock.hands;
  if (hands->GetHandOption(HAND_AUTO_HIDE) && !hands->GetHandOption(HAND_SHOWN_NOW)) {
    hands->RevealHands();
    theClock.RedrawClock(&clockTime);
  }
}

void ShowAbout(HWND owner) {
  MessageBoxA(owner, "Zentick\nCopyright (C) 2026 Zentick の開発チーム", "Information",
              MB_ICONINFORMATION);
}

static void OnKeyDown(HWND window, WPARAM key) {
  if (keyLatch) return;
  static const struct { WPARAM key; int mode; } skinKeys[] = {
      {VK_PRIOR, PICK_NEXT}, {VK_NEXT, PICK_PREVIOUS}, {VK_HOME, PICK_FIRST},
      {VK_END, PICK_LAST},   {VK_INSERT, PICK_RANDOM}};
  for (const auto& k : skinKeys)
    if (k.key == key) {
      ChangeImageNow(k.mode, KIND_SKIN, theApp.imageLastNum);
      keyLatch = 1;
      return;
    }
  if (key == VK_ESCAPE && theApp.tray) ShowWindow(window, SW_HIDE);
  else if (key == VK_F1) ShowAbout(window);
}

// Commands, one handler each; arg carries the design, mode or colour.
struct Command {
  WORD id;
  void (*run)(HWND window, int arg);
  int arg;
};

static void Close(HWND w, int) { DestroyWindow(w); }
static void ToggleFvMove(HWND, int) { theApp.ToggleSetting(&theApp.fvMove, "WINDOW", "FVMOVE"); }
static void ToggleLock(HWND, int) { theApp.ToggleSetting(&theApp.posLock, "WINDOW", "POSLOCK"); }
static void ToggleAvoid(HWND, int) { theApp.ToggleSetting(&theApp.wndHide, "WINDOW", "WNDHIDE"); }
static void ToggleChime(HWND, int) { theApp.ToggleSetting(&theApp.sound, "EXT", "SOUND"); }
static void ToggleSeconds(HWND, int) {
  theApp.ToggleSetting(&theApp.nonSec, "OBJECT", "NONSEC");
}
static void Background(HWND w, int) {
  SendMessageA(w, WM_PAINT, 0, 0);
  OpenBackgroundDialog(w, &theClock, &theApp);
}
static void Design(HWND, int d) { theClock.hands.SetDesign(d); }
static void HandOption(HWND, int code) { theClock.hands.ToggleHandOption(code, 0); }
static void InfoMode(HWND, int mode) { theClock.hands.ToggleHandOption(HAND_INFO_MODE, mode); }
static void HandColor(HWND, int which) { theClock.hands.ChooseHandColor(which); }
static void ChooseChime(HWND w, int) {
  SendMessageA(w, WM_PAINT, 0, 0);
  ChooseWaveFile(&theApp, w, "EXT", "SOUNDFILE");
}
static void CheckMail(HWND, int) { StartMailCheck(&theApp); }
static void MailSettings(HWND w, int) {
  if (theApp.openDialog == DIALOG_NONE) MailSettingsDialog(w, &theApp);
}
static void Hide(HWND w, int) { ShowWindow(w, SW_HIDE); }
static void Resident(HWND w, int) {
  theApp.ToggleSetting(&theApp.tray, "EXT", "TRAY");
  theTray.Toggle(w);
}
static void Show(HWND w, int) {
  ShowWindow(w, SW_SHOW);
  SetForegroundWindow(w);
}
static void EndResidency(HWND w, int) {
  theTray.Remove(w);
  Show(w, 0);
  theApp.ToggleSetting(&theApp.tray, "EXT", "TRAY");
}
static void Events(HWND w, int) { EventDialog(w, &theApp, &clockTime); }
static void Wallpaper(HWND w, int) {
  WallpaperDialogArgs args = {&theApp, w};
  OpenWallpaperDialog(&args);
}
static void ZOrder(HWND, int mode) { SetZOrderMode(&theApp, mode); }

static const Command kCommands[] = {
    {40001, Close, 0},          {40003, ToggleFvMove, 0},   {40004, Background, 0},
    {40005, Design, 1},         {40006, Design, 2},         {40007, Design, 3},
    {40008, Design, 4},         {40009, Design, 5},         {40010, Design, 6},
    {40011, Design, 7},         {40014, ToggleLock, 0},     {40016, HandOption, HAND_AUTO_HIDE},
    {40024, HandOption, HAND_BOLD}, {40025, ToggleAvoid, 0}, {40026, InfoMode, 0},
    {40027, InfoMode, 1},       {40028, InfoMode, 2},       {40029, InfoMode, 3},
    {40030, InfoMode, 4},       {40031, InfoMode, 5},       {40038, HandColor, 1},
    {40042, HandColor, 2},      {40036, HandColor, 3},      {40037, HandColor, 4},
    {40035, HandColor, 5},      {40039, HandColor, 6},      {40040, HandColor, -1},
    {40041, HandOption, HAND_HOLLOW}, {40043, ToggleChime, 0}, {40044, ChooseChime, 0},
    {40045, CheckMail, 0},      {40046, MailSettings, 0},   {40047, Hide, 0},
    {40048, Resident, 0},       {40049, Close, 0},          {40050, EndResidency, 0},
    {40051, Show, 0},           {40052, ToggleSeconds, 0},  {40054, Events, 0},
    {40055, Wallpaper, 0},      {40060, ZOrder, 0},         {40061, ZOrder, 1},
    {40062, ZOrder, 2},
};

static void OnCommand(HWND window, WPARAM id) {
  for (const Command& c : kCommands)
    if (c.id == id) {
      c.run(window, c.arg);
      return;
    }
}

LRESULT CALLBACK ClockWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  switch (message) {
    case WM_CREATE:
      InitCommonControls();
      return 0;
    case WM_DESTROY:
      theTray.Remove(window);
      KillTimer(window, TIMER_CLOCK);
      PostQuitMessage(0);
      return 0;
    case WM_PAINT:
      theClock.RedrawClock(&clockTime);
      break;
    case WM_SETCURSOR:
      OnSetCursor(lParam);
      break;
    case WM_WINDOWPOSCHANGING:
      if (theApp.bottom) ((WINDOWPOS*)lParam)->hwndInsertAfter = HWND_BOTTOM;
      break;
    case WM_CONTEXTMENU:
      ShowMainMenu(&theApp, &theClock.hands);
      break;
    case WM_NCHITTEST:
      return HTCLIENT;
    case WM_KEYDOWN:
      OnKeyDown(window, wParam);
      break;
    case WM_KEYUP:
      keyLatch = 0;
      break;
    case WM_COMMAND:
      OnCommand(window, wParam);
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      if (HandleDragMessage(&theApp, message, wParam, lParam, &result)) return result;
      break;
    case WM_TRAYNOTIFY:
      theTray.Callback(window, wParam, lParam);
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
