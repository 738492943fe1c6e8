// The face object: a 400 by 200 back buffer whose right half keeps the
// face picture and whose left half composes each frame.
#pragma once
#include <windows.h>

#include "face/hands.h"

struct AppState;

enum { FACE_SIZE = 200 };

struct ClockImage {
  HWND hwnd;
  HDC memoryDC;
  HBITMAP backBuffer;
  HBITMAP oldBitmap;
  int faceWidth;
  int faceHeight;
  AppState* app;
  ClockHands hands;

  ClockImage();
  ~ClockImage();
  int InitClockImage(HWND window, AppState* state);
  void RedrawClock(const SYSTEMTIME* time);
  void SetFaceImage(const char* fileName);
  int LoadFaceFile(const char* fileName);
  void ReleaseClockImage();

 private:
  void ShowBuiltinFace();
};
