#include "shell/startup.h"

#include <stdlib.h>
#include <time.h>

#include "shell/clock_source.h"
#include "shell/globals.h"
#include "shell/opacity.h"
#include "shell/placement.h"
#include "shell/window_proc.h"
#include "base/dpi_scale.h"
#include "base/paths.h"
#include "base/product.h"
#include "face/region.h"
#include "platform/newer_calls.h"
#include "platform/profile_file.h"
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
  wc.lpszClassName = ZT_APP_NAME;
  return RegisterClassA(&wc) != 0;
}

static void ChangeSkinAtStart() {
  int mode = 0;
  int current = theApp.ReadSettingInt(Setting::skinIndex);
  if (current == -1) mode = PICK_RANDOM;
  else if (theApp.ReadSettingInt(Setting::skinChangeAtStart))
    mode = theApp.ReadSettingInt(Setting::skinRandom) ? PICK_RANDOM : PICK_NEXT;
  if (!mode) return;
  ImageChanger changer = {&theClock, &theApp};
  changer.ChangeImage(mode, KIND_SKIN, current);
}

// Said once, at start-up; later writes that fail stay quiet.
static void WarnIfDataFolderReadOnly(HWND window) {
  char probe[PATH_SIZE + 16];
  wsprintfA(probe, "%s%s.probe", theApp.dataDir, ZT_APP_NAME);
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
                  "Program Files の下ではない、ご自分のフォルダー（ドキュメントなど）に "
                  ZT_PRODUCT_NAME " を置いてください。",
                  folder, "エラー", MB_OK | MB_ICONWARNING);
}

static void ShowStoredFace() {
  char fileName[PATH_SIZE];
  theApp.ReadSettingString(Setting::faceFile, fileName);
  theClock.SetFaceImage(fileName);
}

int InitInstance() {
  HINSTANCE instance = GetModuleHandleA(NULL);
  // Without a data folder path (the "long path" case) there is nothing to run.
  if (!theApp.HasPaths() || !RegisterClockClass(instance)) return 0;
  // Not while the state is built, before the program's own objects are
  // (the file replacement's lock among them).
  if (ConvertProfileToSystemForm(theApp.iniPath)) theApp.LoadHeld();
  MakeDpiAware();
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, ZT_APP_NAME, ZT_APP_NAME, WS_POPUP,
                                CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, NULL, NULL, instance, NULL);
  if (!window) return 0;
  srand((unsigned)time(NULL));
  char regionPath[PATH_SIZE];
  DataFilePath(theApp.dataDir, ZT_APP_NAME, ".rgn", regionPath);
  if (!LoadClockOutline(regionPath, &theOutline)) return 0;
  int dpi = WindowDpi(window);
  int sizePercent = theApp.ReadSettingInt(Setting::sizePercent);
  if (!ApplyOutline(window, &theOutline, ClockDpi(dpi, sizePercent))) return 0;
  POINT position;
  LoadWindowPosition(window, &theApp, &position);
  int onTop = theApp.ReadSettingInt(Setting::alwaysOnTop);
  // Not activated while hidden: showing it does that, and activating a
  // hidden window cost Wine 15 ms of the start.
  SetWindowPos(window, HWND_TOPMOST, position.x, position.y, 0, 0,
               (onTop ? SWP_NOSIZE : SWP_NOSIZE | SWP_NOZORDER) | SWP_NOACTIVATE);
  // Placed on a monitor of another DPI: its size there.
  if (WindowDpi(window) != dpi) {
    dpi = WindowDpi(window);
    if (!ApplyOutline(window, &theOutline, ClockDpi(dpi, sizePercent))) return 0;
  }
  ApplyOpacity(window, theApp.ReadSettingInt(Setting::opacityPercent));
  SYSTEMTIME now;
  ReadClockTime(&now);
  if (!theClock.InitClockImage(window, &theApp, ClockDpi(dpi, sizePercent))) {
    ShowMessage(window, "InitClockImage faild", "初期化エラー", MB_OK);
    return 0;
  }
  ShowStoredFace();
  ChangeSkinAtStart();
  if (theApp.ReadSettingInt(Setting::resident)) theTray.Add(window);
  if (theApp.ReadSettingInt(Setting::iconTextTransparent)) MakeIconTextTransparent();
  theClock.RedrawClock(&now);  // the first frame, painted on showing
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  StartTicking(window, &now);
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
