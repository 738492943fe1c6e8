#include "face/clock_image.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <vfw.h>

#include "app/app_state.h"
#include "base/file_bytes.h"
#include "face/skin_image.h"
#include "res/resource.h"

ClockImage::ClockImage() { memset(this, 0, sizeof *this); }

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
  shownTime = *time;
  framed = 1;
  BitBlt(memoryDC, 0, 0, faceWidth, faceHeight, memoryDC, faceWidth, 0, SRCCOPY);
  hands.DrawHands(time);
  // Straight onto the window: a forced paint message costs many times
  // this copy under Wine.
  HDC windowDC = GetDC(hwnd);
  PaintClock(windowDC);
  ReleaseDC(hwnd, windowDC);
}

void ClockImage::RequestRedraw() {
  if (framed) RedrawClock(&shownTime);
}

void ClockImage::PaintClock(HDC dc) {
  if (memoryDC) BitBlt(dc, 0, 0, faceWidth, faceHeight, memoryDC, 0, 0, SRCCOPY);
}

void ClockImage::ShowBuiltinFace() {
  HBITMAP face = LoadBitmapA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDB_BUILTIN_FACE));
  HDC faceDC = CreateCompatibleDC(NULL);
  HGDIOBJ previous = SelectObject(faceDC, face);
  BitBlt(memoryDC, faceWidth, 0, faceWidth, faceHeight, faceDC, 0, 0, SRCCOPY);
  RequestRedraw();
  SelectObject(faceDC, previous);
  DeleteObject(face);
  DeleteDC(faceDC);
}

int ClockImage::LoadFaceFile(const char* fileName) {
  if (!fileName[0]) return 0;
  char path[PATH_SIZE];
  int length = snprintf(path, sizeof path, "%s%s", app->dataDir, fileName);
  if (length < 0 || length >= (int)sizeof path) return 0;
  FileBytes file;
  if (ReadFileBytes(path, SKIN_FILE_LIMIT, &file) != FILE_READ_OK) return 0;
  SkinImage image;
  int drawn = 0;
  if (ParseSkinImage((const uint8_t*)file.data, file.size, &image) == SKIN_OK) {
    const Dib* picture = &image.picture;
    faceWidth = picture->width;
    faceHeight = picture->height;
    HDRAWDIB renderer = DrawDibOpen();
    drawn = renderer && DrawDibDraw(renderer, memoryDC, FACE_SIZE, 0, faceWidth, faceHeight,
                                    (BITMAPINFOHEADER*)picture->info, (void*)picture->pixels, 0,
                                    0, faceWidth, faceHeight, DDF_BACKGROUNDPAL);
    if (renderer) DrawDibClose(renderer);
    FreeSkinImage(&image);
  }
  FreeFileBytes(&file);
  if (drawn) RequestRedraw();
  return drawn;
}

void ClockImage::ReleaseClockImage() {
  hands.ReleaseHands();
  if (memoryDC) SelectObject(memoryDC, oldBitmap);
  if (backBuffer) DeleteObject(backBuffer);
  if (memoryDC) DeleteDC(memoryDC);
  backBuffer = NULL;
  memoryDC = NULL;
}
