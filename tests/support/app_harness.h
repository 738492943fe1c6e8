// The clock brought up inside the test process on a temporary data
// folder, its time set by the test through the clock seam.
#pragma once
#include <windows.h>

#include <string>

#include "win_support.h"

class InProcessClock {
 public:
  // Copies the default data folder in (unless keepData), points the
  // application state at the folder and runs the start-up.
  explicit InProcessClock(const TempDataFolder& folder, bool keepData = false);
  // The same for a program of another folder (a path in UTF-8, as the
  // program keeps paths), whose data folder is ready.
  explicit InProcessClock(const std::string& exePath);
  ~InProcessClock();
  bool Started() const { return started_; }
  HWND Window() const;
  // The time the tick reads from now on.
  static void SetTime(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second);
  static void SetTime(WORD hour, WORD minute, WORD second);
  // One clock tick, as the 200 ms timer would deliver it.
  void Tick();
  // Sets the time and ticks.
  void TickAt(WORD hour, WORD minute, WORD second);

 private:
  void Start(const std::string& exePath);
  bool started_ = false;
};
