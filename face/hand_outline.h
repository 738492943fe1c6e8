// The outline a round pen draws along a hand, and the inside it leaves,
// as polygons to fill: the smooth painter fills shapes and strokes none.
#pragma once

struct OutlinePoint {
  double x, y;
};

// Four corners, each with a round join of at most nine points, or a
// circle, with room for the corners a box cuts.
enum { CIRCLE_POINTS = 40, OUTLINE_POINTS = 48, HAND_CORNERS = 4 };

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

// A circle of radius about centre, wound positive: CIRCLE_POINTS
// corners, which stray less than a tenth of a pixel from it on the
// largest clock. Returns the point count.
int CircleShape(OutlinePoint centre, double radius, OutlinePolygon* out);

// Cuts the polygon to the box from (0, 0) to (width, height): what it
// covers there stays as it was, winding and all.
void ClipToBox(OutlinePolygon* polygon, double width, double height);

// The part of the polygon's inside the pen leaves uncovered, wound
// positive: one convex piece, or two when a corner points inwards (the
// polygon is split there). Returns the number of pieces, 0 when nothing
// is left or the polygon crosses itself.
int InsideShape(const OutlinePoint* corners, int count, double halfWidth,
                OutlinePolygon pieces[2]);
