#include "face/clock_image.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <vfw.h>

#include "app/app_state.h"
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
  HBITMAP face = LoadBitmapA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDB_BUILTIN_FACE));
  HDC faceDC = CreateCompatibleDC(NULL);
  HGDIOBJ previous = SelectObject(faceDC, face);
  BitBlt(memoryDC, faceWidth, 0, faceWidth, faceHeight, faceDC, 0, 0, SRCCOPY);
  app->WriteSettingString("IMAGE", "FILE", "");
  SendMessageA(hwnd, WM_PAINT, 0, 0);
  SelectObject(faceDC, previous);
  DeleteObject(face);
  DeleteDC(faceDC);
}

// The whole file in one allocated block; NULL when it cannot be read or is
// too large to be a skin.
static uint8_t* ReadSkinFile(const char* path, size_t* size) {
  FILE* file = fopen(path, "rb");
  if (!file) return NULL;
  uint8_t* bytes = NULL;
  long length = -1;
  if (fseek(file, 0, SEEK_END) == 0) length = ftell(file);
  if (length >= 0 && length <= SKIN_FILE_LIMIT && fseek(file, 0, SEEK_SET) == 0)
    bytes = (uint8_t*)malloc(length > 0 ? (size_t)length : 1);
  if (bytes && fread(bytes, 1, (size_t)length, file) != (size_t)length) {
    free(bytes);
    bytes = NULL;
  }
  fclose(file);
  *size = (size_t)length;
  return bytes;
}

int ClockImage::LoadFaceFile(const char* fileName) {
  if (!fileName[0]) return 0;
  char path[PATH_SIZE];
  int length = snprintf(path, sizeof path, "%s%s", app->dataDir, fileName);
  if (length < 0 || length >= (int)sizeof path) return 0;
  size_t size = 0;
  uint8_t* file = ReadSkinFile(path, &size);
  if (!file) return 0;
  SkinImage image;
  int drawn = 0;
  if (ParseSkinImage(file, size, &image) == SKIN_OK) {
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
  free(file);
  if (drawn) SendMessageA(hwnd, WM_PAINT, 0, 0);
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
