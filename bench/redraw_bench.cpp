// Cost of the face: microseconds per RedrawClock for each design and each
// information mode, drawn by the pens and then smooth, on a clock brought
// up in this process.
//   redraw_bench FOLDER   (FOLDER holds Zentick.exe and its data folder)
#include <windows.h>

#include <stdio.h>

#include <algorithm>
#include <string>

#include "shell/globals.h"
#include "shell/startup.h"

namespace {

enum { BATCHES = 21, BATCH_REDRAWS = 100 };

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return (double)count.QuadPart / (double)frequency.QuadPart;
}

// The median of batches of redraws, so that a moment the host gives to
// something else does not count; seconds run on, so that every redraw
// draws a different frame.
double MicrosecondsPerRedraw() {
  SYSTEMTIME t = {2026, 5, 0, 17, 10, 8, 0, 0};
  double batches[BATCHES];
  for (int b = 0; b < BATCHES; b++) {
    double start = Now();
    for (int i = 0; i < BATCH_REDRAWS; i++) {
      int n = b * BATCH_REDRAWS + i;
      t.wSecond = (WORD)(n % 60);
      t.wMinute = (WORD)(n / 60 % 60);
      theClock.RedrawClock(&t);
    }
    batches[b] = (Now() - start) * 1e6 / BATCH_REDRAWS;
  }
  std::sort(batches, batches + BATCHES);
  return batches[BATCHES / 2];
}

// Every design, then every information line over the first design.
void MeasureDesignsAndLines(const char* kind) {
  static const char* const designs[] = {"", "1 square", "2 square 2", "3 triangle",
                                        "4 triangle 2", "5 balloon", "6 (none)", "7 none"};
  theClock.hands.ToggleHandOption(OPTION_INFO_MODE, INFO_NONE);
  for (int d = 1; d <= 7; d++) {
    theClock.hands.SetDesign(d);
    printf("RedrawClock %sdesign %-14s %8.1f us\n", kind, designs[d], MicrosecondsPerRedraw());
  }
  static const char* const modes[] = {"0 none", "1 date", "2 time", "3 cpu", "4 memory",
                                      "5 load"};
  theClock.hands.SetDesign(1);
  for (int m = 0; m <= 5; m++) {
    theClock.hands.ToggleHandOption(OPTION_INFO_MODE, m);
    printf("RedrawClock %sinfo   %-14s %8.1f us\n", kind, modes[m], MicrosecondsPerRedraw());
  }
}

void MeasureRedraws(const std::string& folder) {
  theApp.Load((folder + "Zentick.exe").c_str());
  if (!InitInstance()) {
    printf("the clock did not start in %s\n", folder.c_str());
    return;
  }
  // The pens' rows keep their names, to stand beside builds without the
  // smooth hands.
  for (int smooth = 0; smooth <= 1; smooth++) {
    if (theClock.hands.style.smoothHands != smooth) theClock.hands.ToggleHandOption(OPTION_SMOOTH, 0);
    MeasureDesignsAndLines(smooth ? "smooth " : "");
  }
  DestroyWindow(theClock.hwnd);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    printf("usage: redraw_bench FOLDER\n");
    return 2;
  }
  std::string folder = argv[1];
  if (folder.back() != '\\') folder += '\\';
  MeasureRedraws(folder);
  return 0;
}
