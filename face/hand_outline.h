// The outline a round pen draws along a hand, and the inside it leaves,
// as polygons to fill: the smooth painter fills shapes and strokes none.
#pragma once

struct OutlinePoint {
  double x, y;
};

// Four corners, each with a round join of at most nine points; a circle.
enum { OUTLINE_POINTS = 40, HAND_CORNERS = 4 };

struct OutlinePolygon {
  int count;
  OutlinePoint points[OUTLINE_POINTS];
};

// What a round pen halfWidth either side of its path covers when it goes
// round the closed polygon of corners (up to HAND_CORNERS), together with
// the polygon's inside; two corners are a line with round ends. Wound so
// that the signed area is positive, loops included, for a non-zero fill.
// Returns the point count, 0 when there are no corners.
int PenShape(const OutlinePoint* corners, int count, double halfWidth, OutlinePolygon* out);

// A circle of radius about centre, wound positive: OUTLINE_POINTS
// corners, which stray less than a tenth of a pixel from it on the
// largest clock. Returns the point count.
int CircleShape(OutlinePoint centre, double radius, OutlinePolygon* out);

// The part of the polygon's inside the pen leaves uncovered, wound
// positive: one convex piece, or two when a corner points inwards (the
// polygon is split there). Returns the number of pieces, 0 when nothing
// is left or the polygon crosses itself.
int InsideShape(const OutlinePoint* corners, int count, double halfWidth,
                OutlinePolygon pieces[2]);
