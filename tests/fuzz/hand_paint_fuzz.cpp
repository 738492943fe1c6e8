// The smooth painter on arbitrary shapes, pens and canvases: it paints
// inside its canvas only, whatever the corners, however far out.
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <vector>

#include "face/hand_paint.h"

namespace {

const uint8_t SPARE = 0xA5;

uint8_t Take8(const uint8_t*& data, size_t& size) {
  if (!size) return 0;
  size--;
  return *data++;
}

int32_t Take32(const uint8_t*& data, size_t& size) {
  uint32_t v = 0;
  for (int i = 0; i < 4; i++) v = v << 8 | Take8(data, size);
  return (int32_t)v;
}

}  // namespace

// Bytes: kind, corner count, canvas width, height and spare pixels a row,
// pen width, then 32-bit radius, four corners and the circle's centre.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  HandShape shape = {};
  shape.kind = Take8(data, size) % 5;
  shape.count = Take8(data, size) % 6;
  int width = Take8(data, size) % 80, height = Take8(data, size) % 80;
  int spare = Take8(data, size) % 8;
  HandInk ink = {0x0000FF, 0x00FF00, 0, (int8_t)Take8(data, size), 0};
  ink.filled = ink.penWidth & 1;
  ink.radius = Take32(data, size);
  for (HandPoint& p : shape.points) p = {Take32(data, size), Take32(data, size)};
  shape.center = {Take32(data, size), Take32(data, size)};
  // Rows of width + spare pixels and a spare row below: only the first
  // width pixels of the first height rows may change.
  int stride = (width + spare) * 4;
  std::vector<uint8_t> pixels((size_t)stride * (height + 1), SPARE);
  PixelCanvas canvas = {pixels.data(), width, height, stride};
  PaintHand(&canvas, &shape, &ink);
  for (int y = 0; y <= height; y++)
    for (int x = y < height ? width * 4 : 0; x < stride; x++)
      if (pixels[(size_t)y * stride + x] != SPARE) __builtin_trap();
  // The spare byte of each pixel is never written either.
  for (int y = 0; y < height; y++)
    for (int x = 0; x < width; x++)
      if (pixels[(size_t)y * stride + x * 4 + 3] != SPARE) __builtin_trap();
  return 0;
}
