#include "face_frames.h"

#include <string.h>

enum { BUFFER_WIDTH = 400, BUFFER_HEIGHT = 200 };

BackBuffer::BackBuffer() : bits_(BUFFER_WIDTH * BUFFER_HEIGHT) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = BUFFER_WIDTH;
  info.bmiHeader.biHeight = -BUFFER_HEIGHT;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* pixels = NULL;
  HBITMAP copy = CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pixels, NULL, 0);
  HDC dc = CreateCompatibleDC(NULL);
  HGDIOBJ old = SelectObject(dc, copy);
  BitBlt(dc, 0, 0, BUFFER_WIDTH, BUFFER_HEIGHT, theClock.memoryDC, 0, 0, SRCCOPY);
  GdiFlush();
  memcpy(bits_.data(), pixels, bits_.size() * 4);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(copy);
}

COLORREF BackBuffer::At(int x, int y) const {
  DWORD p = bits_[y * BUFFER_WIDTH + x];  // 0x00RRGGBB
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int BackBuffer::Count(COLORREF colour, int left, int top, int right, int bottom) const {
  int n = 0;
  for (int y = top; y < bottom; y++)
    for (int x = left; x < right; x++) n += At(x, y) == colour;
  return n;
}

int BackBuffer::ChangedPixels(int left, int top, int right, int bottom) const {
  int n = 0;
  for (int y = top; y < bottom; y++)
    for (int x = left; x < right; x++) n += At(x, y) != At(x + BUFFER_WIDTH / 2, y);
  return n;
}

int BackBuffer::DifferentFrom(const BackBuffer& other, int left, int top, int right,
                              int bottom) const {
  int n = 0;
  for (int y = top; y < bottom; y++)
    for (int x = left; x < right; x++) n += At(x, y) != other.At(x, y);
  return n;
}
