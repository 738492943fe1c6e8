// Start-up probe: milliseconds from process start to the first painted
// face of the clock, measured from outside as a user would see it.
//   zt_probe PROGRAM.exe [RUNS]
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <vector>
#include "res/resource.h"

static double Now(LARGE_INTEGER freq) {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return 1000.0 * t.QuadPart / freq.QuadPart;
}

// Where the clock will stand, sampled before it starts: the face is
// painted once any of these points shows something else.
enum { SAMPLES = 40 };

struct Samples {
  POINT at[SAMPLES];
  COLORREF before[SAMPLES];
};

static void SampleGrid(Samples* s, int left, int top) {
  HDC screen = GetDC(NULL);
  // Along both middle lines of the window, so the rim of any face is met.
  for (int i = 0; i < SAMPLES; i++) {
    int along = 5 + (i % 20) * 10;
    s->at[i].x = left + (i < 20 ? along : 100);
    s->at[i].y = top + (i < 20 ? 100 : along);
    s->before[i] = GetPixel(screen, s->at[i].x, s->at[i].y);
  }
  ReleaseDC(NULL, screen);
}

static bool FacePainted(HWND w, const Samples* s) {
  if (!IsWindowVisible(w)) return false;
  HDC screen = GetDC(NULL);
  bool changed = false;
  for (int i = 0; i < SAMPLES && !changed; i++)
    changed = GetPixel(screen, s->at[i].x, s->at[i].y) != s->before[i];
  ReleaseDC(NULL, screen);
  return changed;
}

static double StartOnce(const char* exe, LARGE_INTEGER freq) {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  Samples samples;
  SampleGrid(&samples, work.right / 2 - 100, work.bottom / 2 - 100);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi;
  char command[MAX_PATH + 2];
  wsprintfA(command, "\"%s\"", exe);
  double start = Now(freq);
  if (!CreateProcessA(exe, command, NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) return -1;
  double painted = -1;
  while (Now(freq) - start < 20000) {
    HWND w = FindWindowA("ZENTICK", "ZENTICK");
    if (w && FacePainted(w, &samples)) {
      painted = Now(freq) - start;
      PostMessageA(w, WM_COMMAND, IDM_CLOSE, 0);
      break;
    }
    Sleep(1);
  }
  if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  return painted;
}

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: zt_probe PROGRAM.exe [RUNS]\n");
    return 2;
  }
  int runs = argc > 2 ? atoi(argv[2]) : 5;
  LARGE_INTEGER freq;
  QueryPerformanceFrequency(&freq);
  std::vector<double> times;
  for (int i = 0; i < runs; i++) {
    double t = StartOnce(argv[1], freq);
    if (t < 0) {
      fprintf(stderr, "zt_probe: no face within 20 s\n");
      return 1;
    }
    times.push_back(t);
  }
  std::sort(times.begin(), times.end());
  printf("%.0f\n", times[times.size() / 2]);
  return 0;
}
