#include "face_frames.h"

#include <string.h>

BackBuffer::BackBuffer()
    : width_(2 * theClock.faceWidth), height_(theClock.faceHeight), bits_(width_ * height_) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* pixels = NULL;
  HBITMAP copy = CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pixels, NULL, 0);
  HDC dc = CreateCompatibleDC(NULL);
  HGDIOBJ old = SelectObject(dc, copy);
  BitBlt(dc, 0, 0, width_, height_, theClock.memoryDC, 0, 0, SRCCOPY);
  GdiFlush();
  memcpy(bits_.data(), pixels, bits_.size() * 4);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(copy);
}

COLORREF BackBuffer::At(int x, int y) const {
  DWORD p = bits_[y * width_ + x];  // 0x00RRGGBB
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
    for (int x = left; x < right; x++) n += At(x, y) != At(x + width_ / 2, y);
  return n;
}

int BackBuffer::DifferentFrom(const BackBuffer& other, int left, int top, int right,
                              int bottom) const {
  int n = 0;
  for (int y = top; y < bottom; y++)
    for (int x = left; x < right; x++) n += At(x, y) != other.At(x, y);
  return n;
}
