// The face object: a back buffer whose right half keeps the face picture
// at the screen's scale and whose left half composes each frame, and the
// picture itself as drawn, 200 by 200, to scale from.
#pragma once
#include <windows.h>

#include "face/face_settings.h"

struct AppState;

enum { FACE_SIZE = 200 };
// Sent to the window for a frame at once: the window composes one for the
// time it reads then (RedrawClock).
enum { WM_CLOCK_REDRAW = WM_APP + 1 };

struct ClockImage {
  HWND hwnd;
  HDC memoryDC;
  HBITMAP backBuffer;
  HBITMAP oldBitmap;
  HDC pictureDC;  // the face picture at 96 DPI
  HBITMAP picture;
  HBITMAP oldPicture;
  int faceWidth;  // the face's size on the screen
  int faceHeight;
  int dpi;
  AppState* app;
  ClockHands hands;
  PixelCanvas canvas;  // the composition half's pixels, when the buffer has them
  int framed;  // a frame has been composed since start-up

  ClockImage();
  ~ClockImage();
  // Buffers and hands for the window at dpi; the face is shown by the
  // caller (SetFaceImage).
  int InitClockImage(HWND window, AppState* state, int dpi);
  // The face for another DPI: a new back buffer, the picture stretched
  // into it once, the hands' tools made again, and a new frame.
  int SetScale(int newDpi);
  // Composes a frame for time in the back buffer and copies it onto the
  // window; the window's paint message paints the same frame again.
  void RedrawClock(const SYSTEMTIME* time);
  // A new frame over a face that has just changed, once there are frames.
  void RequestRedraw();
  // Copies the composed frame into the context it is handed.
  void PaintClock(HDC dc);
  // Shows a skin of the data folder, or the built-in face when it cannot
  // be shown, and stores which one is shown when that changed.
  void SetFaceImage(const char* fileName);
  int LoadFaceFile(const char* fileName);
  void ShowBuiltinFace();
  void ReleaseClockImage();

 private:
  void ScaleFace();
  void UseDpi(int newDpi);
};
