// A small RGBA drawing surface with anti-aliased shapes, and writers for
// the bitmap and icon files the resource script takes in.
#pragma once
#include <stdint.h>

#include <string>
#include <vector>

struct Rgb {
  uint8_t r, g, b;
};

struct Canvas {
  int width = 0, height = 0;
  std::vector<float> r, g, b, a;  // straight colour, coverage 0..1

  Canvas(int w, int h, Rgb fill, float alpha = 1.0f);
  void Blend(int x, int y, Rgb c, float cover);
  Rgb At(int x, int y) const;
};

// Shapes are sampled 4 x 4 per pixel; coordinates are in pixels with
// (0, 0) the top-left corner of the top-left pixel.
typedef bool (*ShapeTest)(double x, double y, const void* shape);
void FillShape(Canvas* c, Rgb colour, ShapeTest inside, const void* shape);

void FillCircle(Canvas* c, double cx, double cy, double radius, Rgb colour);
void FillRing(Canvas* c, double cx, double cy, double inner, double outer, Rgb colour);
void DrawLine(Canvas* c, double x0, double y0, double x1, double y1, double width, Rgb colour);
void FillRect(Canvas* c, double x0, double y0, double x1, double y1, Rgb colour);
// Convex or concave polygon, even-odd rule.
void FillPolygon(Canvas* c, const double* xy, int points, Rgb colour);
// Whole numbers in bold pixel digits, their top-left corner at (left, top).
enum { DIGIT_HEIGHT = 11, DIGIT_GAP = 1 };
int PixelNumberWidth(int number);
// Whether the number's pixel (x, y), counted from its top-left, is drawn.
bool PixelNumberLit(int number, int x, int y);
void DrawPixelNumber(Canvas* c, int number, int left, int top, Rgb colour);

// A bitmap file of the canvas. 8 or 4 bits per pixel take a palette built
// from the picture (4 bits use the 16 standard colours) and may be
// run-length encoded (layout BMP_RLE); 16 and 32 bits are colour-masked
// (5-6-5 and 8-8-8); 24 bits and the plain paletted layouts may be stored
// top-down.
enum BmpLayout { BMP_PLAIN, BMP_RLE, BMP_MASKED, BMP_TOP_DOWN };
std::vector<uint8_t> BmpBytes(const Canvas& c, int bitsPerPixel, BmpLayout layout = BMP_PLAIN);
// Returns false on a write error.
bool WriteBmp(const std::string& path, const Canvas& c, int bitsPerPixel,
              BmpLayout layout = BMP_PLAIN);
// An icon file holding one 32-bit image with alpha per canvas.
bool WriteIcon(const std::string& path, const std::vector<const Canvas*>& images);
