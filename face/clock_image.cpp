#include "face/clock_image.h"

#include <string.h>

#include "app/app_state.h"

ClockImage::ClockImage() {
  memset(this, 0, sizeof *this);
}

ClockImage::~ClockImage() {
  ReleaseClockImage();
}

int ClockImage::InitClockImage(HWND window, AppState* state) {
  hwnd = window;
  app = state;
  faceWidth = faceHeight = FACE_SIZE;
  HDC windowDC = GetDC(hwnd);
  memoryDC = CreateCompatibleDC(windowDC);
  if (memoryDC) backBuffer = CreateCompatibleBitmap(windowDC, 2 * faceWidth, faceHeight);
  ReleaseDC(hwnd, windowDC);
  if (!memoryDC || !backBuffer) return 0;
  oldBitmap = (HBITMAP)SelectObject(memoryDC, backBuffer);
  hands.InitHands(hwnd, memoryDC, app);
  char fileName[PATH_SIZE];
  app->ReadSettingString("IMAGE", "FILE", fileName, "");
  SetFaceImage(fileName);
  return 1;
}

void ClockImage::RedrawClock(const SYSTEMTIME* time) {
  if (!memoryDC) return;
  BitBlt(memoryDC, 0, 0, faceWidth, faceHeight, memoryDC, faceWidth, 0, SRCCOPY);
  hands.DrawHands(time);
  HDC windowDC = GetDC(hwnd);
  BitBlt(windowDC, 0, 0, faceWidth, faceHeight, memoryDC, 0, 0, SRCCOPY);
  ReleaseDC(hwnd, windowDC);
}

void ClockImage::SetFaceImage(const char* fileName) {
  app->WriteSettingString("IMAGE", "FILE", fileName);
  if (LoadFaceFile(fileName)) return;
  ShowBuiltinFace();
}

void ClockImage::ShowBuiltinFace() {
  HBITMAP face = LoadBitmapA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(BUILTIN_FACE));
  HDC faceDC = CreateCompatibleDC(NULL);
  HGDIOBJ previous = SelectObject(faceDC, face);
  BitBlt(memoryDC, faceWidth, 0, faceWidth, faceHeight, faceDC, 0, 0, SRCCOPY);
  app->WriteSettingString("IMAGE", "FILE", "");
  SendMessageA(hwnd, WM_PAINT, 0, 0);
  SelectObject(faceDC, previous);
  DeleteObject(face);
  DeleteDC(faceDC);
}

int ClockImage::LoadFaceFile(const char* fileName) {
  (void)fileName;
  return 0;
}

void ClockImage::ReleaseClockImage() {
  hands.ReleaseHands();
  if (memoryDC) SelectObject(memoryDC, oldBitmap);
  if (backBuffer) DeleteObject(backBuffer);
  if (memoryDC) DeleteDC(memoryDC);
  backBuffer = NULL;
  memoryDC = NULL;
}
