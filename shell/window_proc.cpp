#include "shell/window_proc.h"

#include <commctrl.h>

#include "platform/newer_calls.h"
#include "platform/system_text.h"
#include "shell/clock_source.h"
#include "shell/globals.h"
#include "shell/menus.h"
#include "shell/placement.h"
#include "base/product.h"
#include "shell/tick_rule.h"
#include "settings/sound.h"
#include "events/event_dialog.h"
#include "events/event_runner.h"
#include "face/hand_geometry.h"
#include "mail/mail_check.h"
#include "mail/mail_dialogs.h"
#include "skins/background_dialog.h"
#include "skins/image_changer.h"
#include "skins/wallpaper_dialog.h"
#include "res/resource.h"

static int tickStarted;
static TickMarks tickMarks;
static int keyLatch;

static void ChangeImageNow(int mode, int kind, int current) {
  ImageChanger changer = {&theClock, &theApp};
  changer.ChangeImage(mode, kind, current);
}

static void SoundChimeOnTheHour(void*, AppState* app, const SYSTEMTIME* time) {
  if (app->sound && time->wMinute == 0) PlaySettingSound(app, SECTION_EXT, "SOUNDFILE");
}

// In the order they run at each boundary.
static const MinuteJob kMinuteJobs[] = {{CountSkinMinute, &theClock},
                                        {SoundChimeOnTheHour, NULL},
                                        {CountMailMinute, NULL},
                                        {RunEventsOfMinute, NULL}};
static const MinuteJob kHalfMinuteJobs[] = {{CountWallpaperHalfMinute, NULL}};

// Jobs of a minute the tick found late run with that minute's time.
static void RunJobs(const MinuteJob* jobs, int count, const SYSTEMTIME* time) {
  for (int i = 0; i < count; i++) jobs[i].run(jobs[i].context, &theApp, time);
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
    RunJobs(kMinuteJobs, sizeof kMinuteJobs / sizeof *kMinuteJobs, &minute);
  }
  for (int i = 0; i < plan.halfRuns; i++)
    RunJobs(kHalfMinuteJobs, sizeof kHalfMinuteJobs / sizeof *kHalfMinuteJobs, &clockTime);
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
  if (hands->GetHandOption(OPTION_AUTO_HIDE) && !hands->GetHandOption(OPTION_SHOWN_NOW)) {
    hands->RevealHands();
    theClock.RedrawClock(&clockTime);
  }
}

void ShowAbout(HWND owner) {
  ShowMessage(owner, ZT_PRODUCT_NAME " " ZT_VERSION "\n" ZT_COPYRIGHT, "Information",
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

// The on/off settings the menu toggles, by the command's argument.
enum { FLAG_MOVE_SHOWN, FLAG_LOCK, FLAG_AVOID, FLAG_CHIME, FLAG_NO_SECONDS, FLAG_RESIDENT };
static int AppState::*const kFlags[] = {&AppState::fvMove, &AppState::posLock, &AppState::wndHide,
                                        &AppState::sound,  &AppState::nonSec,  &AppState::tray};

static void ToggleFlag(HWND, int flag) { theApp.ToggleMirror(kFlags[flag]); }
static void Close(HWND w, int) { DestroyWindow(w); }
static void Background(HWND w, int) {
  theClock.RequestRedraw();
  OpenBackgroundDialog(w, &theClock, &theApp);
}
static void Design(HWND, int d) { theClock.hands.SetDesign(d); }
static void HandOption(HWND, int code) { theClock.hands.ToggleHandOption(code, 0); }
static void InfoMode(HWND, int mode) { theClock.hands.ToggleHandOption(OPTION_INFO_MODE, mode); }
static void HandColor(HWND, int which) { theClock.hands.ChooseHandColor(which); }
static void ChooseChime(HWND w, int) {
  theClock.RequestRedraw();
  ChooseWaveFile(&theApp, w, SECTION_EXT, "SOUNDFILE");
}
static void CheckMail(HWND, int) { CheckMailNow(&theApp); }
static void MailSettings(HWND w, int) {
  // From the tray menu while any settings dialog is open: ignored.
  if (theApp.openDialog == DIALOG_NONE) MailSettingsDialog(w, &theApp);
}
static void Hide(HWND w, int) { ShowWindow(w, SW_HIDE); }
static void Resident(HWND w, int) {
  ToggleFlag(w, FLAG_RESIDENT);
  theTray.Toggle(w);
}
static void Show(HWND w, int) {
  ShowWindow(w, SW_SHOW);
  SetForegroundWindow(w);
}
static void EndResidency(HWND w, int) {
  theTray.Remove(w);
  Show(w, 0);
  ToggleFlag(w, FLAG_RESIDENT);
}
static void Events(HWND w, int) { EventDialog(w, &theApp, &clockTime); }
static void Wallpaper(HWND w, int) {
  WallpaperDialogArgs args = {&theApp, w};
  OpenWallpaperDialog(&args);
}
static void ZOrder(HWND, int mode) { SetZOrderMode(&theApp, mode); }

// How an item's mark is read when the menu opens: MARK_ON, MARK_GRAYED.
static int FlagOn(int flag) { return theApp.*kFlags[flag] ? MARK_ON : 0; }
static int ZOrderIs(int mode) {
  // Both top and bottom set (a hand-edited file) lies outside the group: no mark.
  int current = theApp.top && theApp.bottom ? -1
                : theApp.top                ? ZORDER_IN_FRONT
                : theApp.bottom             ? ZORDER_BEHIND
                                            : ZORDER_NORMAL;
  return current == mode ? MARK_ON : 0;
}
static int HandOptionOn(int code) {
  int mark = theClock.hands.GetHandOption(code) ? MARK_ON : 0;
  if (code == OPTION_HOLLOW && theClock.hands.design == DESIGN_BALLOON) mark |= MARK_GRAYED;
  return mark;
}
static int DesignIs(int d) { return theClock.hands.design == d ? MARK_ON : 0; }
static int InfoModeIs(int mode) { return theClock.hands.infoMode == mode ? MARK_ON : 0; }
static int GrayedUnlessResident(int) { return theApp.tray ? 0 : MARK_GRAYED; }

// One row a command: its handler with the argument, and how its menu mark
// is read (none, a check or a radio mark of a group).
static constexpr MenuCommand kCommands[] = {
    {IDM_CLOSE, Close, 0}, {IDM_TRAY_CLOSE, Close, 0},
    {IDM_HIDE, Hide, 0, MARK_CHECK, GrayedUnlessResident}, {IDM_SHOW, Show, 0},
    {IDM_RESIDENT, Resident, FLAG_RESIDENT, MARK_CHECK, FlagOn},
    {IDM_END_RESIDENT, EndResidency, 0},
    {IDM_ZORDER_NORMAL, ZOrder, ZORDER_NORMAL, MARK_RADIO, ZOrderIs},
    {IDM_ZORDER_TOP, ZOrder, ZORDER_IN_FRONT, MARK_RADIO, ZOrderIs},
    {IDM_ZORDER_BOTTOM, ZOrder, ZORDER_BEHIND, MARK_RADIO, ZOrderIs},
    {IDM_MOVE_SHOWN, ToggleFlag, FLAG_MOVE_SHOWN, MARK_CHECK, FlagOn},
    {IDM_LOCK_POSITION, ToggleFlag, FLAG_LOCK, MARK_CHECK, FlagOn},
    {IDM_AVOID_CURSOR, ToggleFlag, FLAG_AVOID, MARK_CHECK, FlagOn},
    {IDM_NO_SECOND_HAND, ToggleFlag, FLAG_NO_SECONDS, MARK_CHECK, FlagOn},
    // Hands and the information line.
    {IDM_DESIGN_SQUARE, Design, DESIGN_SQUARE, MARK_RADIO, DesignIs},
    {IDM_DESIGN_SQUARE2, Design, DESIGN_SQUARE2, MARK_RADIO, DesignIs},
    {IDM_DESIGN_TRIANGLE, Design, DESIGN_TRIANGLE, MARK_RADIO, DesignIs},
    {IDM_DESIGN_TRIANGLE2, Design, DESIGN_TRIANGLE2, MARK_RADIO, DesignIs},
    {IDM_DESIGN_BALLOON, Design, DESIGN_BALLOON, MARK_RADIO, DesignIs},
    {IDM_DESIGN_SMALL, Design, DESIGN_SMALL, MARK_RADIO, DesignIs},
    {IDM_DESIGN_NONE, Design, DESIGN_NONE, MARK_RADIO, DesignIs},
    {IDM_AUTO_HIDE, HandOption, OPTION_AUTO_HIDE, MARK_CHECK, HandOptionOn},
    {IDM_BOLD, HandOption, OPTION_BOLD, MARK_CHECK, HandOptionOn},
    {IDM_HOLLOW, HandOption, OPTION_HOLLOW, MARK_CHECK, HandOptionOn},
    {IDM_INFO_NONE, InfoMode, INFO_NONE, MARK_RADIO, InfoModeIs},
    {IDM_INFO_DATE, InfoMode, INFO_DATE, MARK_RADIO, InfoModeIs},
    {IDM_INFO_TIME, InfoMode, INFO_TIME, MARK_RADIO, InfoModeIs},
    {IDM_INFO_CPU, InfoMode, INFO_CPU, MARK_RADIO, InfoModeIs},
    {IDM_INFO_FREE_MEMORY, InfoMode, INFO_FREE_MEMORY, MARK_RADIO, InfoModeIs},
    {IDM_INFO_MEMORY_LOAD, InfoMode, INFO_MEMORY_LOAD, MARK_RADIO, InfoModeIs},
    {IDM_SECOND_OUTLINE, HandColor, SLOT_SECOND_OUTLINE}, {IDM_SECOND_FILL, HandColor, SLOT_SECOND_FILL},
    {IDM_MINUTE_OUTLINE, HandColor, SLOT_MINUTE_OUTLINE}, {IDM_MINUTE_FILL, HandColor, SLOT_MINUTE_FILL},
    {IDM_HOUR_OUTLINE, HandColor, SLOT_HOUR_OUTLINE}, {IDM_HOUR_FILL, HandColor, SLOT_HOUR_FILL},
    {IDM_COLOR_RESET, HandColor, SLOT_RESET},
    // The utilities.
    {IDM_BACKGROUND, Background, 0}, {IDM_WALLPAPER, Wallpaper, 0},
    {IDM_CHIME, ToggleFlag, FLAG_CHIME, MARK_CHECK, FlagOn}, {IDM_CHIME_SOUND, ChooseChime, 0},
    {IDM_CHECK_MAIL, CheckMail, 0}, {IDM_MAIL_SETTINGS, MailSettings, 0}, {IDM_EVENTS, Events, 0},
};

// Each run of ids stands in the order of its enum, so an id and its
// argument can never drift apart.
static constexpr int RunFollowsEnum(int firstId, int lastId, int firstArg) {
  for (const MenuCommand& c : kCommands)
    if (c.id >= firstId && c.id <= lastId && c.id - firstId != c.arg - firstArg) return 0;
  return 1;
}
static_assert(RunFollowsEnum(IDM_ZORDER_NORMAL, IDM_ZORDER_BOTTOM, ZORDER_NORMAL), "z-order ids");
static_assert(RunFollowsEnum(IDM_DESIGN_SQUARE, IDM_DESIGN_NONE, DESIGN_SQUARE), "design ids");
static_assert(RunFollowsEnum(IDM_INFO_NONE, IDM_INFO_MEMORY_LOAD, INFO_NONE), "information ids");

static void OnCommand(HWND window, WPARAM id) {
  for (const MenuCommand& c : kCommands)
    if (c.id == id) {
      c.run(window, c.arg);
      return;
    }
}

void MarkMenu(HMENU menu) { MarkMenuItems(menu, kCommands, sizeof kCommands / sizeof *kCommands); }

// Registered by the shell; broadcast when it starts again.
static UINT taskbarCreated;

// The face at once for a time that jumped (clock set, machine woken).
static void RedrawNow() {
  ReadClockTime(&clockTime);
  theClock.RedrawClock(&clockTime);
}

static void OnPowerBroadcast(WPARAM event) {
  if (event != PBT_APMRESUMEAUTOMATIC && event != PBT_APMRESUMESUSPEND) return;
  NoteResume();
  RedrawNow();
}

LRESULT CALLBACK ClockWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (taskbarCreated && message == taskbarCreated) {
    theTray.AddAgain(window);
    return 0;
  }
  switch (message) {
    case WM_CREATE:
      InitListViewControls();
      taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
      return 0;
    case WM_DPICHANGED:
      ApplyDpi(&theApp, &theClock, &theOutline, LOWORD(wParam), (const RECT*)lParam);
      return 0;
    case WM_DISPLAYCHANGE:
      KeepOnScreen(&theApp);
      break;
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETWORKAREA) KeepOnScreen(&theApp);
      break;
    case WM_TIMECHANGE:
      RedrawNow();
      break;
    case WM_POWERBROADCAST:
      OnPowerBroadcast(wParam);
      return TRUE;
    case WM_DESTROY:
      theTray.Remove(window);
      KillTimer(window, TIMER_CLOCK);
      PostQuitMessage(0);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      theClock.PaintClock(BeginPaint(window, &paint));
      EndPaint(window, &paint);
      return 0;
    }
    case WM_SETCURSOR:
      OnSetCursor(lParam);
      break;
    case WM_WINDOWPOSCHANGING:
      if (theApp.bottom) ((WINDOWPOS*)lParam)->hwndInsertAfter = HWND_BOTTOM;
      break;
    case WM_CONTEXTMENU:
      ShowMainMenu(window, MarkMenu);
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
