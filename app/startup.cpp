#include "app/startup.h"

#include <stdlib.h>
#include <time.h>

#include "app/clock_source.h"
#include "app/globals.h"
#include "app/placement.h"
#include "app/window_proc.h"
#include "base/paths.h"
#include "face/region.h"
#include "skins/image_changer.h"
#include "skins/wallpaper.h"

static int RegisterClockClass(HINSTANCE instance) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = ClockWndProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
  wc.hbrBackground = (HBRUSH)GetStockObject(NULL_BRUSH);
  wc.lpszClassName = theApp.appName;
  return RegisterClassA(&wc) != 0;
}

static void ChangeSkinAtStart() {
  int mode = 0;
  if (theApp.imageLastNum == -1) mode = PICK_RANDOM;
  else if (theApp.bootChange) mode = theApp.changeRnd ? PICK_RANDOM : PICK_NEXT;
  if (!mode) return;
  ImageChanger changer = {&theClock, &theApp};
  changer.ChangeImage(mode, KIND_SKIN, theApp.imageLastNum);
}

int InitInstance() {
  HINSTANCE instance = GetModuleHandleA(NULL);
  // Without a data folder path (the "long path" case) there is nothing to run.
  if (!theApp.HasPaths() || !RegisterClockClass(instance)) return 0;
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, theApp.appName, theApp.appName, WS_POPUP,
                                CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, NULL, NULL, instance, NULL);
  if (!window) return 0;
  srand((unsigned)time(NULL));
  theApp.hwnd = window;
  char regionPath[PATH_SIZE];
  DataFilePath(theApp.dataDir, theApp.appName, ".rgn", regionPath);
  if (!ApplyRegionFile(window, regionPath)) return 0;
  POINT position;
  LoadWindowPosition(&theApp, &position);
  SetWindowPos(window, HWND_TOPMOST, position.x, position.y, 0, 0,
               theApp.top ? SWP_NOSIZE : SWP_NOSIZE | SWP_NOZORDER);
  ReadClockTime(&clockTime);
  if (!theClock.InitClockImage(window, &theApp)) {
    MessageBoxA(window, "InitClockImage faild", "初期化エラー", MB_OK);
    return 0;
  }
  ChangeSkinAtStart();
  if (theApp.tray) theTray.Toggle(window);
  if (theApp.ReadSettingInt("WALLPAPER", "TRANSLATE", 0)) MakeIconTextTransparent();
  theClock.RedrawClock(&clockTime);  // the first frame, painted on showing
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  SetTimer(window, TIMER_CLOCK, 200, NULL);
  return 1;
}

int RunMessageLoop() {
  MSG msg;
  // A fetch error (-1) is not the quit message; only 0 ends the loop.
  BOOL got;
  while ((got = GetMessageA(&msg, NULL, 0, 0)) != 0) {
    if (got == -1) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
