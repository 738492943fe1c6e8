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

enum { BATCHES = 21, BATCH_REDRAWS = 100, PASSES = 5 };

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return (double)count.QuadPart / (double)frequency.QuadPart;
}

template <int N>
double Median(double (&values)[N]) {
  std::sort(values, values + N);
  return values[N / 2];
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
  return Median(batches);
}

// A row: hands smooth or by the pens, a design, an information line.
struct Row {
  int smooth, design, infoMode;
  const char* name;
};

// Every design, then every information line over the first design, by
// the pens and then smooth. The pens' rows keep their names, to stand
// beside builds without the smooth hands.
const Row rows[] = {
    {0, 1, INFO_NONE, "design 1 square"},      {0, 2, INFO_NONE, "design 2 square 2"},
    {0, 3, INFO_NONE, "design 3 triangle"},    {0, 4, INFO_NONE, "design 4 triangle 2"},
    {0, 5, INFO_NONE, "design 5 balloon"},     {0, 6, INFO_NONE, "design 6 (none)"},
    {0, 7, INFO_NONE, "design 7 none"},        {0, 1, 0, "info   0 none"},
    {0, 1, 1, "info   1 date"},                {0, 1, 2, "info   2 time"},
    {0, 1, 3, "info   3 cpu"},                 {0, 1, 4, "info   4 memory"},
    {0, 1, 5, "info   5 load"},                {1, 1, INFO_NONE, "smooth design 1 square"},
    {1, 2, INFO_NONE, "smooth design 2 square 2"}, {1, 3, INFO_NONE, "smooth design 3 triangle"},
    {1, 4, INFO_NONE, "smooth design 4 triangle 2"}, {1, 5, INFO_NONE, "smooth design 5 balloon"},
    {1, 6, INFO_NONE, "smooth design 6 (none)"}, {1, 7, INFO_NONE, "smooth design 7 none"},
    {1, 1, 0, "smooth info   0 none"},         {1, 1, 1, "smooth info   1 date"},
    {1, 1, 2, "smooth info   2 time"},         {1, 1, 3, "smooth info   3 cpu"},
    {1, 1, 4, "smooth info   4 memory"},       {1, 1, 5, "smooth info   5 load"},
};
enum { ROWS = sizeof rows / sizeof rows[0] };

double MeasureRow(const Row* row) {
  if (theClock.hands.style.smoothHands != row->smooth)
    theClock.hands.ToggleHandOption(OPTION_SMOOTH, 0);
  theClock.hands.SetDesign(row->design);
  theClock.hands.ToggleHandOption(OPTION_INFO_MODE, row->infoMode);
  return MicrosecondsPerRedraw();
}

// Every row once in each pass, and each row's median over the passes: a
// host that slows down for a while slows every row alike.
void MeasureRedraws(const std::string& folder) {
  theApp.Load((folder + "Zentick.exe").c_str());
  if (!InitInstance()) {
    printf("the clock did not start in %s\n", folder.c_str());
    return;
  }
  static double figures[ROWS][PASSES];
  for (int pass = 0; pass < PASSES; pass++)
    for (int r = 0; r < ROWS; r++) figures[r][pass] = MeasureRow(&rows[r]);
  for (int r = 0; r < ROWS; r++)
    printf("RedrawClock %-30s %8.1f us\n", rows[r].name, Median(figures[r]));
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
