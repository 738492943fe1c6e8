#include "shell/startup.h"

#include <stdlib.h>
#include <time.h>

#include "shell/clock_source.h"
#include "shell/globals.h"
#include "shell/placement.h"
#include "shell/window_proc.h"
#include "base/paths.h"
#include "face/region.h"
#include "platform/newer_calls.h"
#include "platform/system_paths.h"
#include "platform/system_text.h"
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

// Said once, at start-up; later writes that fail stay quiet.
static void WarnIfDataFolderReadOnly(HWND window) {
  char probe[PATH_SIZE + 16];
  wsprintfA(probe, "%s%s.probe", theApp.dataDir, theApp.appName);
  HANDLE file = CreatePathFile(probe, GENERIC_WRITE, 0, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY);
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
    DeletePath(probe);
    return;
  }
  // The folder without the backslash the program itself put at its end.
  char folder[PATH_SIZE];
  lstrcpynA(folder, theApp.dataDir, lstrlenA(theApp.dataDir));
  ShowPathMessage(window,
                  "データフォルダー「%s」に書き込めません。\n設定は保存されません。\n"
                  "Program Files の下ではない、ご自分のフォルダー（ドキュメントなど）に Zentick "
                  "を置いてください。",
                  folder, "エラー", MB_OK | MB_ICONWARNING);
}

static void ShowStoredFace() {
  char fileName[PATH_SIZE];
  theApp.ReadSettingString(SECTION_IMAGE, "FILE", fileName, "");
  theClock.SetFaceImage(fileName);
}

int InitInstance() {
  HINSTANCE instance = GetModuleHandleA(NULL);
  // Without a data folder path (the "long path" case) there is nothing to run.
  if (!theApp.HasPaths() || !RegisterClockClass(instance)) return 0;
  // Not while the state is built, before the program's own objects are: the
  // mirrors read before are numbers, the same in any code page.
  ConvertProfileToUnicode(theApp.iniPath);
  MakeDpiAware();
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, theApp.appName, theApp.appName, WS_POPUP,
                                CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, NULL, NULL, instance, NULL);
  if (!window) return 0;
  srand((unsigned)time(NULL));
  theApp.hwnd = window;
  char regionPath[PATH_SIZE];
  DataFilePath(theApp.dataDir, theApp.appName, ".rgn", regionPath);
  if (!LoadClockOutline(regionPath, &theOutline)) return 0;
  int dpi = WindowDpi(window);
  if (!ApplyOutline(window, &theOutline, dpi)) return 0;
  POINT position;
  LoadWindowPosition(&theApp, &position);
  SetWindowPos(window, HWND_TOPMOST, position.x, position.y, 0, 0,
               theApp.top ? SWP_NOSIZE : SWP_NOSIZE | SWP_NOZORDER);
  // Placed on a monitor of another DPI: its size there.
  if (WindowDpi(window) != dpi) {
    dpi = WindowDpi(window);
    if (!ApplyOutline(window, &theOutline, dpi)) return 0;
  }
  ReadClockTime(&clockTime);
  if (!theClock.InitClockImage(window, &theApp, dpi)) {
    ShowMessage(window, "InitClockImage faild", "初期化エラー", MB_OK);
    return 0;
  }
  ShowStoredFace();
  ChangeSkinAtStart();
  if (theApp.tray) theTray.Toggle(window);
  if (theApp.ReadSettingInt(SECTION_WALLPAPER, "TRANSLATE", 0)) MakeIconTextTransparent();
  theClock.RedrawClock(&clockTime);  // the first frame, painted on showing
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  SetTimer(window, TIMER_CLOCK, 200, NULL);
  WarnIfDataFolderReadOnly(window);
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
