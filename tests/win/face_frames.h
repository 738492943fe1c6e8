// Reading what the face composed: the back buffer copied out whole, and
// counts of colours in parts of it.
#pragma once
#include <windows.h>

#include <vector>

#include "shell/globals.h"

class BackBuffer {
 public:
  // Copies theClock's back buffer (400 x 200 at 96 DPI) as it is now.
  BackBuffer();
  COLORREF At(int x, int y) const;
  // Pixels of the colour in the rectangle [left, right) x [top, bottom).
  int Count(COLORREF colour, int left, int top, int right, int bottom) const;
  // Pixels of the rectangle of the composition half that differ from the
  // pristine face.
  int ChangedPixels(int left = 0, int top = 0, int right = 200, int bottom = 200) const;
  // Pixels of the rectangle that differ from another frame.
  int DifferentFrom(const BackBuffer& other, int left, int top, int right, int bottom) const;

 private:
  int width_, height_;
  std::vector<DWORD> bits_;
};
