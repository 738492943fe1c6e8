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
  SYSTEMTIME shownTime;  // of the frame last composed
  int framed;            // a frame has been composed since start-up

  ClockImage();
  ~ClockImage();
  int InitClockImage(HWND window, AppState* state);
  // Composes a frame for time in the back buffer and copies it onto the
  // window; the window's paint message paints the same frame again.
  void RedrawClock(const SYSTEMTIME* time);
  // The last frame again, over a face that has just changed.
  void RequestRedraw();
  // Copies the composed frame into the context it is handed.
  void PaintClock(HDC dc);
  // Shows a skin of the data folder, or the built-in face when it cannot
  // be shown, and stores which one is shown.
  void SetFaceImage(const char* fileName);
  int LoadFaceFile(const char* fileName);
  void ShowBuiltinFace();
  void ReleaseClockImage();
};
