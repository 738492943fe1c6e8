// The one global application state: paths, mirrored settings, interval
// counters and the open-dialog code, with the four setting operations.
#pragma once
#include <windows.h>

#include "base/paths.h"

// The sections of the settings file.
constexpr char SECTION_WINDOW[] = "WINDOW";
constexpr char SECTION_EXT[] = "EXT";
constexpr char SECTION_OBJECT[] = "OBJECT";
constexpr char SECTION_IMAGE[] = "IMAGE";
constexpr char SECTION_MAIL[] = "MAIL";
constexpr char SECTION_WALLPAPER[] = "WALLPAPER";

enum OpenDialogCode {
  DIALOG_NONE = 0,
  DIALOG_BACKGROUND = 1,
  DIALOG_MAIL = 2,
  DIALOG_EVENT = 3,
  DIALOG_WALLPAPER = 4
};

struct AppState {
  int centerX;
  int centerY;
  HWND hwnd;
  int top;
  int bottom;
  int fvMove;
  int posLock;
  int wndHide;
  int sound;
  int tray;
  int nonSec;
  int bootChange;
  int timeChange;
  int changeMin;
  int skinMinutes;
  int imageLastNum;
  int changeRnd;
  int allowCheck;
  int checkTime;
  int mailMinutes;
  int useSound;
  int wallpaperAutoChange;
  int wallpaperMinutes;
  int wallpaperChangeTime;
  int wallpaperLastNum;
  int openDialog;
  char dataDir[PATH_SIZE];
  const char* appName;
  char exeDir[PATH_SIZE];
  char iniPath[PATH_SIZE];

  // Derives the paths from an executable's full path and loads the
  // mirrors; returns 0 when the paths could not be derived (too long, or
  // no folder in it), leaving paths and mirrors zero.
  int Load(const char* exePath);

  int ReadSettingInt(const char* section, const char* key, int def);
  void WriteSettingInt(const char* section, const char* key, int value);
  // The file's strings are paths, UTF-8 like every path; buffer holds
  // PATH_SIZE bytes.
  int ReadSettingString(const char* section, const char* key, char* buffer, const char* def);
  void WriteSettingString(const char* section, const char* key, const char* value);

  // new = 1 if old was 0, else 0; mirror first, then the file.
  void ToggleSetting(int* mirror, const char* section, const char* key);
  // The same for a mirrored flag, under its own section and key.
  void ToggleMirror(int AppState::*mirror);
  int HasPaths() const { return dataDir[0] != 0; }

 private:
  void LoadMirrors();
};

// A job of the clock's minute (or half-minute) boundary: each counts its
// own interval, runs when it is due and waits while its own dialog is open.
struct MinuteJob {
  void (*run)(void* context, AppState* app, const SYSTEMTIME* time);
  void* context;
};

// The state of the running program, from its executable's folder; says
// "long path" when the folder is too deep to hold its data files.
AppState LoadStartUpState();
