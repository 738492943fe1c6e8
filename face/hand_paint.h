// The hands painted smooth: anti-aliased straight into the pixels of a
// 32-bit picture, where the pens and brushes would have drawn them.
#pragma once
#include <stdint.h>

#include "face/hand_geometry.h"

// A top-down picture of 32-bit pixels: blue, green, red and a spare byte.
struct PixelCanvas {
  uint8_t* pixels;
  int width, height;
  int stride;  // bytes from one row to the next, at least 4 * width
};

// Colours as the settings store them, 0x00BBGGRR.
struct HandInk {
  uint32_t outline, inside;
  int filled;    // 0: the outline only, the face shows through
  int penWidth;  // of the outline and of a line, in pixels
  int radius;    // of a balloon's circle, in pixels
};

// Paints one hand: a polygon as its outline in the outline colour and its
// inside in the inside colour, a line in the outline colour, a balloon as
// its pointer and then its circle. Shapes are given in whole pixels as
// the pens use them: a point names the centre of its pixel.
void PaintHand(const PixelCanvas* canvas, const HandShape* shape, const HandInk* ink);

// Blends colour into the canvas by covers (0 to 255, width a row, height
// rows) whose top left pixel lands at x, y; what falls outside is cut.
void PaintCovers(const PixelCanvas* canvas, const uint8_t* covers, int width, int height, int x,
                 int y, uint32_t colour);
