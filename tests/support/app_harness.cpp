#include "app_harness.h"

#include "base/product.h"
#include "shell/clock_source.h"
#include "shell/globals.h"
#include "shell/startup.h"

static SYSTEMTIME fakeNow = {2026, 12, 1, 7, 12, 0, 10, 0};

static void WINAPI ReadFakeTime(SYSTEMTIME* time) { *time = fakeNow; }

// The clock window of this thread, known by its class as a second start
// knows the running clock.
static BOOL CALLBACK TakeClockWindow(HWND w, LPARAM found) {
  char name[16] = "";
  GetClassNameA(w, name, sizeof name);
  if (lstrcmpA(name, ZT_APP_NAME) != 0) return TRUE;
  *(HWND*)found = w;
  return FALSE;
}

static HWND ThisThreadsClock() {
  HWND found = NULL;
  EnumThreadWindows(GetCurrentThreadId(), TakeClockWindow, (LPARAM)&found);
  return found;
}

InProcessClock::InProcessClock(const TempDataFolder& folder, bool keepData) {
  if (!keepData) {
    std::string data = BuildPath("data") + "\\";
    CopyFileA((data + "ZENTICK.rgn").c_str(), (folder.DataDir() + "ZENTICK.rgn").c_str(), FALSE);
  }
  Start(folder.ExePath());
}

InProcessClock::InProcessClock(const std::string& exePath) { Start(exePath); }

void InProcessClock::Start(const std::string& exePath) {
  ReadClockTime = ReadFakeTime;
  theApp.Load(exePath.c_str());
  started_ = InitInstance() != 0;
}

InProcessClock::~InProcessClock() {
  if (HWND w = ThisThreadsClock()) DestroyWindow(w);
  MSG msg;
  while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

HWND InProcessClock::Window() const { return ThisThreadsClock(); }

void InProcessClock::SetTime(WORD year, WORD month, WORD day, WORD hour, WORD minute,
                             WORD second) {
  fakeNow.wYear = year;
  fakeNow.wMonth = month;
  fakeNow.wDay = day;
  SetTime(hour, minute, second);
}

void InProcessClock::SetTime(WORD hour, WORD minute, WORD second) {
  fakeNow.wHour = hour;
  fakeNow.wMinute = minute;
  fakeNow.wSecond = second;
}

void InProcessClock::Tick() { SendMessageA(Window(), WM_TIMER, 1, 0); }

void InProcessClock::TickAt(WORD hour, WORD minute, WORD second) {
  SetTime(hour, minute, second);
  Tick();
}
