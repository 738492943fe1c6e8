#include "face/clock_image.h"

#include <stdlib.h>
#include <string.h>

#include "settings/app_state.h"
#include "base/file_bytes.h"
#include "base/dpi_scale.h"
#include "base/paths.h"
#include "face/skin_image.h"
#include "platform/system_paths.h"
#include "res/resource.h"

ClockImage::ClockImage() { memset(this, 0, sizeof *this); }

ClockImage::~ClockImage() {
  ReleaseClockImage();
}

int ClockImage::InitClockImage(HWND window, AppState* state, int windowDpi) {
  hwnd = window;
  app = state;
  HDC windowDC = GetDC(hwnd);
  memoryDC = CreateCompatibleDC(windowDC);
  pictureDC = CreateCompatibleDC(windowDC);
  if (pictureDC) picture = CreateCompatibleBitmap(windowDC, FACE_SIZE, FACE_SIZE);
  ReleaseDC(hwnd, windowDC);
  if (!memoryDC || !picture) return 0;
  oldPicture = (HBITMAP)SelectObject(pictureDC, picture);
  hands.InitHands(hwnd, app, windowDpi);
  return SetScale(windowDpi);
}

// The DPI frames are drawn at; the hands' tools follow it here, never per
// frame.
void ClockImage::UseDpi(int newDpi) {
  dpi = newDpi;
  if (hands.tools.dpi == newDpi) return;
  // The old font leaves the context before it is deleted.
  SelectObject(memoryDC, GetStockObject(SYSTEM_FONT));
  hands.UseDpi(newDpi);
}

// Both halves in one 32-bit picture, rows top down, whose pixels the
// smooth hands can reach.
static HBITMAP CreateBackBuffer(int side, void** pixels) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = 2 * side;
  info.bmiHeader.biHeight = -side;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(NULL, &info, DIB_RGB_COLORS, pixels, NULL, 0);
}

int ClockImage::SetScale(int newDpi) {
  if (!memoryDC) return 0;
  int side = ScaleToDpi(FACE_SIZE, newDpi);
  if (backBuffer && side == faceWidth) {
    UseDpi(newDpi);
    return 1;
  }
  void* pixels = NULL;
  HBITMAP buffer = CreateBackBuffer(side, &pixels);
  if (!buffer) return 0;  // the old buffer stays
  HBITMAP previous = (HBITMAP)SelectObject(memoryDC, buffer);
  if (backBuffer) DeleteObject(backBuffer);
  else oldBitmap = previous;
  backBuffer = buffer;
  UseDpi(newDpi);
  faceWidth = faceHeight = side;
  // The smooth hands paint the composition half's pixels themselves.
  canvas = PixelCanvas{(uint8_t*)pixels, side, side, 2 * side * 4};
  ScaleFace();
  RequestRedraw();
  return 1;
}

// Once per change of face or DPI, never per frame.
void ClockImage::ScaleFace() {
  if (faceWidth == FACE_SIZE) {
    BitBlt(memoryDC, FACE_SIZE, 0, FACE_SIZE, FACE_SIZE, pictureDC, 0, 0, SRCCOPY);
    return;
  }
  // Where the system has no halftone stretching it keeps the plainer one.
  if (SetStretchBltMode(memoryDC, HALFTONE)) SetBrushOrgEx(memoryDC, 0, 0, NULL);
  else SetStretchBltMode(memoryDC, COLORONCOLOR);
  StretchBlt(memoryDC, faceWidth, 0, faceWidth, faceHeight, pictureDC, 0, 0, FACE_SIZE, FACE_SIZE,
             SRCCOPY);
}

void ClockImage::RedrawClock(const SYSTEMTIME* time) {
  if (!memoryDC) return;
  framed = 1;
  BitBlt(memoryDC, 0, 0, faceWidth, faceHeight, memoryDC, faceWidth, 0, SRCCOPY);
  if (hands.infoMode != INFO_NONE) {
    InfoValues values;
    ReadInfoValues(hands.infoMode, &hands.cpu, time, &values);
    DrawInfoLine(memoryDC, hands.style.smoothHands ? &canvas : NULL, &hands.tools, hands.infoMode,
                 &values);
  }
  DrawHands(memoryDC, &canvas, &hands.style, &hands.tools, time, hands.handsVisible,
            !app->ReadSettingInt(Setting::hideSecondHand));
  // Straight onto the window: a forced paint message costs many times
  // this copy under Wine.
  HDC windowDC = GetDC(hwnd);
  PaintClock(windowDC);
  ReleaseDC(hwnd, windowDC);
}

void ClockImage::RequestRedraw() {
  if (framed) SendMessageA(hwnd, WM_CLOCK_REDRAW, 0, 0);
}

void ClockImage::PaintClock(HDC dc) {
  if (memoryDC) BitBlt(dc, 0, 0, faceWidth, faceHeight, memoryDC, 0, 0, SRCCOPY);
}

void ClockImage::ShowBuiltinFace() {
  HBITMAP face = LoadBitmapA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDB_BUILTIN_FACE));
  HDC faceDC = CreateCompatibleDC(NULL);
  HGDIOBJ previous = SelectObject(faceDC, face);
  BitBlt(pictureDC, 0, 0, FACE_SIZE, FACE_SIZE, faceDC, 0, 0, SRCCOPY);
  ScaleFace();
  RequestRedraw();
  SelectObject(faceDC, previous);
  DeleteObject(face);
  DeleteDC(faceDC);
}

void ClockImage::SetFaceImage(const char* fileName) {
  // A skin that cannot be shown is forgotten: the built-in face stands in.
  int shown = LoadFaceFile(fileName);
  if (!shown) ShowBuiltinFace();
  const char* name = shown ? fileName : "";
  // Showing the stored face again stores nothing.
  char stored[PATH_SIZE];
  app->ReadSettingString(Setting::faceFile, stored);
  if (strcmp(stored, name) != 0) app->WriteSettingString(Setting::faceFile, name);
}

int ClockImage::LoadFaceFile(const char* fileName) {
  if (!fileName[0]) return 0;
  char path[PATH_SIZE];
  if (!DataFilePath(app->dataDir, fileName, "", path)) return 0;
  FileBytes file;
  if (ReadFileBytes(path, SKIN_FILE_LIMIT, &file) != FILE_READ_OK) return 0;
  SkinImage image;
  int drawn = 0;
  if (ParseSkinImage((const uint8_t*)file.data, file.size, &image) == SKIN_OK) {
    // Skins are 200 by 200: the parser refuses other sizes. Drawn 1:1 by
    // GDI itself, so no video-for-Windows library is loaded at start-up.
    const Dib* dib = &image.picture;
    drawn = SetDIBitsToDevice(pictureDC, 0, 0, FACE_SIZE, FACE_SIZE, 0, 0, 0, FACE_SIZE,
                              dib->pixels, (const BITMAPINFO*)dib->info, DIB_RGB_COLORS) != 0;
    FreeSkinImage(&image);
  }
  FreeFileBytes(&file);
  if (drawn) {
    ScaleFace();
    RequestRedraw();
  }
  return drawn;
}

void ClockImage::ReleaseClockImage() {
  hands.ReleaseHands();
  if (memoryDC && oldBitmap) SelectObject(memoryDC, oldBitmap);
  if (backBuffer) DeleteObject(backBuffer);
  if (memoryDC) DeleteDC(memoryDC);
  if (pictureDC && oldPicture) SelectObject(pictureDC, oldPicture);
  if (picture) DeleteObject(picture);
  if (pictureDC) DeleteDC(pictureDC);
  backBuffer = picture = oldBitmap = oldPicture = NULL;
  canvas = PixelCanvas{};
  memoryDC = pictureDC = NULL;
}
