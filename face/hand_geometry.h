// Where the hands lie: the outline of each hand of every design for a
// time of day, in face pixels, exactly as the drawing code uses them.
#pragma once

#include "base/dpi_scale.h"

enum HandDesign {
  DESIGN_SQUARE = 1,
  DESIGN_SQUARE2 = 2,
  DESIGN_TRIANGLE = 3,
  DESIGN_TRIANGLE2 = 4,
  DESIGN_BALLOON = 5,
  DESIGN_SMALL = 6,  // lengths only: reachable by command, draws nothing
  DESIGN_NONE = 7
};

enum HandShapeKind { SHAPE_NONE = 0, SHAPE_POLYGON, SHAPE_LINE, SHAPE_BALLOON };

enum { BALLOON_RADIUS = 12, BALLOON_LABEL_INSET = 7, HAND_PIVOT = 100 };

struct HandPoint {
  int x, y;
};

// A polygon (4 points), a line (2 points) or a balloon (a 3-point pointer
// and a circle of BALLOON_RADIUS around center).
struct HandShape {
  int kind;
  int count;
  HandPoint points[4];
  HandPoint center;
};

struct HandLengths {
  int hour, minute, second;
};

struct HandFrame {
  HandShape hour, minute, second;
};

// Lengths of designs 1 to 6; 0 (and out untouched) for any other value.
int DesignLengths(int design, HandLengths* out);

// The three hands of the design at hour (0-23), minute and second about
// the pivot; every shape is SHAPE_NONE for designs that draw nothing. The
// lengths and widths are those of 96 DPI, drawn at dpi about a pivot
// already in device pixels.
void ComputeHands(int design, const HandLengths* lengths, HandPoint pivot, int hour, int minute,
                  int second, HandFrame* out, int dpi = BASE_DPI);
#ifdef __i386__
// The same from the x87 unit alone (face/hand_geometry_x87.cpp); the
// above needs SSE2 on i686.
void ComputeHandsX87(int design, const HandLengths* lengths, HandPoint pivot, int hour, int minute,
                     int second, HandFrame* out, int dpi);
#endif
