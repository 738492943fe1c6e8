// The application's settings: the data folder and its settings file, the
// held settings, and the accessors every setting is read and written with.
#pragma once
#include <windows.h>

#include "base/paths.h"
#include "settings/setting_list.h"

struct AppState {
  char dataDir[PATH_SIZE];
  char iniPath[PATH_SIZE];

  int held[SETTING_COUNT];  // the held rows' values

  // Derives the paths from an executable's full path and loads the held
  // settings; returns 0 when the paths could not be derived (too long, or
  // no folder in it), leaving paths and settings zero.
  int Load(const char* exePath);

  // A setting's value: its held copy, else the file's, else the row's.
  int ReadSettingInt(Setting setting);
  // The same for a row whose default the caller works out.
  int ReadSettingInt(Setting setting, int absent);
  // The held copy and the file, at once.
  void WriteSettingInt(Setting setting, int value);
  // A flag: 1 if it was 0, else 0.
  void ToggleSetting(Setting setting);
  // The file's strings are paths, UTF-8 like every path: into buffer
  // (PATH_SIZE bytes), empty when absent; gives its length.
  int ReadSettingString(Setting setting, char* buffer);
  void WriteSettingString(Setting setting, const char* value);
  int HasPaths() const { return dataDir[0] != 0; }
  // The held copies read from the file (again, once it is converted).
  void LoadHeld();

 private:
  void StartNewDataFolder();
};

// The state of the running program, from its executable's folder; says
// "long path" when the folder is too deep to hold its data files.
AppState LoadStartUpState();
