#include "shell/window_proc.h"

#include <commctrl.h>

#include "platform/later_calls.h"
#include "platform/system_text.h"
#include "shell/clock_source.h"
#include "shell/globals.h"
#include "shell/menus.h"
#include "shell/opacity.h"
#include "shell/placement.h"
#include "base/dpi_scale.h"
#include "base/product.h"
#include "shell/tick_rule.h"
#include "settings/minute_job.h"
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

static TickMarks tickMarks;
static int keyLatch;

// A frame at once, for the time now: the face changed, the time jumped
// (clock set, machine woken), or the hands were revealed.
static void RedrawNow() {
  SYSTEMTIME now;
  ReadClockTime(&now);
  theClock.RedrawClock(&now);
}

static void ChangeImageNow(int mode, int kind, int current) {
  ImageChanger changer = {&theClock, &theApp};
  changer.ChangeImage(mode, kind, current);
}

static void SoundChimeOnTheHour(const JobCall* call) {
  if (call->app->ReadSettingInt(Setting::hourlyChime) && call->time->minute == 0)
    PlaySettingSound(call->app, Setting::chimeSoundFile);
}

// In the order they run at each boundary, each with the dialog it waits for.
static const MinuteJob kMinuteJobs[] = {{CountSkinMinute, &theClock, DIALOG_BACKGROUND},
                                        {SoundChimeOnTheHour, NULL, DIALOG_NONE},
                                        {CountMailMinute, NULL, DIALOG_MAIL},
                                        {RunEventsOfMinute, NULL, DIALOG_EVENT}};
static const MinuteJob kHalfMinuteJobs[] = {{CountWallpaperHalfMinute, NULL, DIALOG_WALLPAPER}};

// Each run owed goes through the whole list, with its boundary's time.
static void RunJobs(const MinuteJob* jobs, int count, const TickRuns* runs, HWND window) {
  for (int run = 0; run < runs->count; run++) {
    TickTime boundary;
    RunTime(runs, run, &boundary);
    for (int i = 0; i < count; i++) {
      int waiting = jobs[i].waitsFor != DIALOG_NONE && jobs[i].waitsFor == openDialog;
      JobCall call = {jobs[i].context, &theApp, window, &boundary, waiting};
      jobs[i].run(&call);
    }
  }
}

static TickTime TickTimeOf(const SYSTEMTIME* t) {
  return TickTime{t->wYear, t->wMonth, t->wDay, t->wHour, t->wMinute, t->wSecond};
}

void StartTicking(HWND window, const SYSTEMTIME* start) {
  TickTime t = TickTimeOf(start);
  StartTickMarks(&t, &tickMarks);
  SetTimer(window, TIMER_CLOCK, 200, NULL);
}

// The time is read once a tick and handed down.
static void OnClockTick(HWND window) {
  SYSTEMTIME now;
  ReadClockTime(&now);
  TickTime tickNow = TickTimeOf(&now);
  TickPlan plan;
  PlanTick(&tickNow, &tickMarks, &plan);
  if (!plan.redraw) return;
  theClock.hands.CountDownAutoHide(openDialog != DIALOG_NONE);
  theClock.RedrawClock(&now);
  RunJobs(kMinuteJobs, sizeof kMinuteJobs / sizeof *kMinuteJobs, &plan.minutes, window);
  RunJobs(kHalfMinuteJobs, sizeof kHalfMinuteJobs / sizeof *kHalfMinuteJobs, &plan.halves, window);
}

static void OnTimer(HWND window, WPARAM id) {
  if (id == TIMER_AVOID_POLL) AvoidCursor(window, AVOID_POLL_TICK);
  else if (id == TIMER_AVOID_RESHOW) AvoidCursor(window, AVOID_RESHOW_TICK);
  else OnClockTick(window);
}

static void OnSetCursor(HWND window, LPARAM lParam) {
  if (LOWORD(lParam) != HTCLIENT) return;
  if (theApp.ReadSettingInt(Setting::avoidCursor)) AvoidCursor(window, AVOID_OVER_CLOCK);
  ClockHands* hands = &theClock.hands;
  if (hands->GetHandOption(OPTION_AUTO_HIDE) && !hands->GetHandOption(OPTION_SHOWN_NOW)) {
    hands->RevealHands();
    RedrawNow();
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
      ChangeImageNow(k.mode, KIND_SKIN, theApp.ReadSettingInt(Setting::skinIndex));
      keyLatch = 1;
      return;
    }
  if (key == VK_ESCAPE && theApp.ReadSettingInt(Setting::resident)) ShowWindow(window, SW_HIDE);
  else if (key == VK_F1) ShowAbout(window);
}

// The on/off settings the menu toggles: the command's argument names one.
static void ToggleFlag(HWND, int flag) { theApp.ToggleSetting((Setting)flag); }
static void Close(HWND w, int) { DestroyWindow(w); }
static void Design(HWND, int d) { theClock.hands.SetDesign(d); }
static void HandOption(HWND, int code) { theClock.hands.ToggleHandOption(code, 0); }
static void InfoMode(HWND, int mode) { theClock.hands.ToggleHandOption(OPTION_INFO_MODE, mode); }
static void HandColor(HWND, int which) { theClock.hands.ChooseHandColor(which); }
static void ChooseChime(HWND w, int) {
  theClock.RequestRedraw();
  ChooseWaveFile(&theApp, w, Setting::chimeSoundFile);
}
static void CheckMail(HWND w, int) { CheckMailNow(&theApp, w); }
// A settings dialog runs modal under its code: set before it opens, back
// as it was once it has closed (asked again, an open one only comes forward).
static void SettingsDialog(HWND w, int code) {
  // The mail settings from the tray menu while any dialog is open: ignored.
  if (code == DIALOG_MAIL && openDialog != DIALOG_NONE) return;
  int previous = openDialog;
  openDialog = code;
  if (code == DIALOG_BACKGROUND) {
    theClock.RequestRedraw();
    OpenBackgroundDialog(w, &theClock, &theApp);
  } else if (code == DIALOG_MAIL) {
    MailSettingsDialog(w, &theApp);
  } else if (code == DIALOG_EVENT) {
    SYSTEMTIME now;
    ReadClockTime(&now);
    EventDialog(w, &theApp, &now);
  } else if (code == DIALOG_WALLPAPER) {
    WallpaperDialogArgs args = {&theApp, w};
    OpenWallpaperDialog(&args);
  }
  openDialog = previous;
}
static void Hide(HWND w, int) { ShowWindow(w, SW_HIDE); }
// The icon follows the setting.
static void Resident(HWND w, int) {
  ToggleFlag(w, (int)Setting::resident);
  if (theApp.ReadSettingInt(Setting::resident)) theTray.Add(w);
  else theTray.Remove(w);
}
static void Show(HWND w, int) {
  ShowWindow(w, SW_SHOW);
  SetForegroundWindow(w);
}
static void EndResidency(HWND w, int) {
  theTray.Remove(w);
  Show(w, 0);
  ToggleFlag(w, (int)Setting::resident);
}
static void ZOrder(HWND w, int mode) { SetZOrderMode(w, &theApp, mode); }
static void Size(HWND w, int percent) { SetClockSize(w, &theApp, &theClock, &theOutline, percent); }
static void Opacity(HWND w, int percent) { SetClockOpacity(w, &theApp, percent); }

// How an item's mark is read when the menu opens: MARK_ON, MARK_GRAYED.
static int FlagOn(int flag) { return theApp.ReadSettingInt((Setting)flag) ? MARK_ON : 0; }
static int ZOrderIs(int mode) {
  int top = theApp.ReadSettingInt(Setting::alwaysOnTop);
  int bottom = theApp.ReadSettingInt(Setting::alwaysAtBottom);
  // Both set (a hand-edited file) lies outside the group: no mark.
  int current = top && bottom ? -1
                : top         ? ZORDER_IN_FRONT
                : bottom      ? ZORDER_BEHIND
                              : ZORDER_NORMAL;
  return current == mode ? MARK_ON : 0;
}
static int HandOptionOn(int code) {
  int mark = theClock.hands.GetHandOption(code) ? MARK_ON : 0;
  if (code == OPTION_HOLLOW && theClock.hands.style.design == DESIGN_BALLOON) mark |= MARK_GRAYED;
  return mark;
}
static int SizeIs(int percent) {
  return ClockSizeInEffect(theApp.ReadSettingInt(Setting::sizePercent)) == percent ? MARK_ON : 0;
}
static int OpacityIs(int percent) {
  return OpacityInEffect(theApp.ReadSettingInt(Setting::opacityPercent)) == percent ? MARK_ON : 0;
}
static int DesignIs(int d) { return theClock.hands.style.design == d ? MARK_ON : 0; }
static int InfoModeIs(int mode) { return theClock.hands.infoMode == mode ? MARK_ON : 0; }
static int GrayedUnlessResident(int) {
  return theApp.ReadSettingInt(Setting::resident) ? 0 : MARK_GRAYED;
}

// One row a command: its handler with the argument, and how its menu mark
// is read (none, a check or a radio mark of a group).
static constexpr MenuCommand kCommands[] = {
    {IDM_CLOSE, Close, 0}, {IDM_TRAY_CLOSE, Close, 0},
    {IDM_HIDE, Hide, 0, MARK_CHECK, GrayedUnlessResident}, {IDM_SHOW, Show, 0},
    {IDM_RESIDENT, Resident, (int)Setting::resident, MARK_CHECK, FlagOn},
    {IDM_END_RESIDENT, EndResidency, 0},
    {IDM_ZORDER_NORMAL, ZOrder, ZORDER_NORMAL, MARK_RADIO, ZOrderIs},
    {IDM_ZORDER_TOP, ZOrder, ZORDER_IN_FRONT, MARK_RADIO, ZOrderIs},
    {IDM_ZORDER_BOTTOM, ZOrder, ZORDER_BEHIND, MARK_RADIO, ZOrderIs},
    {IDM_MOVE_SHOWN, ToggleFlag, (int)Setting::moveWhileShown, MARK_CHECK, FlagOn},
    {IDM_LOCK_POSITION, ToggleFlag, (int)Setting::lockPosition, MARK_CHECK, FlagOn},
    {IDM_AVOID_CURSOR, ToggleFlag, (int)Setting::avoidCursor, MARK_CHECK, FlagOn},
    {IDM_NO_SECOND_HAND, ToggleFlag, (int)Setting::hideSecondHand, MARK_CHECK, FlagOn},
    {IDM_SIZE_50, Size, 50, MARK_RADIO, SizeIs}, {IDM_SIZE_75, Size, 75, MARK_RADIO, SizeIs},
    {IDM_SIZE_100, Size, 100, MARK_RADIO, SizeIs}, {IDM_SIZE_125, Size, 125, MARK_RADIO, SizeIs},
    {IDM_SIZE_150, Size, 150, MARK_RADIO, SizeIs}, {IDM_SIZE_200, Size, 200, MARK_RADIO, SizeIs},
    {IDM_OPACITY_100, Opacity, 100, MARK_RADIO, OpacityIs},
    {IDM_OPACITY_90, Opacity, 90, MARK_RADIO, OpacityIs},
    {IDM_OPACITY_80, Opacity, 80, MARK_RADIO, OpacityIs},
    {IDM_OPACITY_70, Opacity, 70, MARK_RADIO, OpacityIs},
    {IDM_OPACITY_60, Opacity, 60, MARK_RADIO, OpacityIs},
    {IDM_OPACITY_50, Opacity, 50, MARK_RADIO, OpacityIs},
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
    {IDM_SMOOTH_HANDS, HandOption, OPTION_SMOOTH, MARK_CHECK, HandOptionOn},
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
    {IDM_BACKGROUND, SettingsDialog, DIALOG_BACKGROUND},
    {IDM_WALLPAPER, SettingsDialog, DIALOG_WALLPAPER},
    {IDM_CHIME, ToggleFlag, (int)Setting::hourlyChime, MARK_CHECK, FlagOn},
    {IDM_CHIME_SOUND, ChooseChime, 0},
    {IDM_CHECK_MAIL, CheckMail, 0}, {IDM_MAIL_SETTINGS, SettingsDialog, DIALOG_MAIL},
    {IDM_EVENTS, SettingsDialog, DIALOG_EVENT},
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

void MarkMenu(HMENU menu) {
  MarkMenuItems(menu, kCommands, sizeof kCommands / sizeof *kCommands);
  if (!CanChangeOpacity()) GraySubmenuHolding(menu, IDM_OPACITY_100);
}

// Registered by the shell; broadcast when it starts again.
static UINT taskbarCreated;


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
      ApplyDpi(window, &theApp, &theClock, &theOutline, LOWORD(wParam), (const RECT*)lParam);
      return 0;
    case WM_DISPLAYCHANGE:
      KeepOnScreen(window);
      break;
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETWORKAREA) KeepOnScreen(window);
      break;
    case WM_TIMECHANGE:
      RedrawNow();
      break;
    case WM_CLOCK_REDRAW:
      RedrawNow();
      return 0;
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
      OnSetCursor(window, lParam);
      break;
    case WM_WINDOWPOSCHANGING:
      KeepAtBottom((WINDOWPOS*)lParam);
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
      OnTimer(window, wParam);
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      if (HandleDragMessage(window, &theApp, message, wParam, lParam, &result)) return result;
      break;
    case WM_TRAYNOTIFY:
      theTray.Callback(window, wParam, lParam);
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
