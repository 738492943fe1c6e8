#include "face/hand_outline.h"

#include <math.h>

namespace {

const double PI = 3.14159265358979323846;
// A round join or end is drawn in chords that stray at most a sixteenth
// of a pixel from the arc, and of at least an eighth of a half turn (the
// cosine of that): at the widest pen of a large clock a chord strays a
// tenth of a pixel.
const double JOIN_ERROR = 1.0 / 16;
const double JOIN_STEP_COS = 0.92387953251128674;

struct Corners {
  int count;
  OutlinePoint p[HAND_CORNERS];
};

OutlinePoint Minus(OutlinePoint a, OutlinePoint b) { return {a.x - b.x, a.y - b.y}; }
double Cross(OutlinePoint a, OutlinePoint b) { return a.x * b.y - a.y * b.x; }
double Dot(OutlinePoint a, OutlinePoint b) { return a.x * b.x + a.y * b.y; }
int Same(OutlinePoint a, OutlinePoint b) { return a.x == b.x && a.y == b.y; }

double TwiceArea(const Corners& c) {
  double sum = 0;
  for (int i = 0; i < c.count; i++) sum += Cross(c.p[i], c.p[(i + 1) % c.count]);
  return sum;
}

// The corners without repeats, the last against the first too, turned to
// wind positive.
Corners Tidy(const OutlinePoint* corners, int count) {
  Corners c = {0, {}};
  for (int i = 0; i < count && i < HAND_CORNERS; i++)
    if (c.count == 0 || !Same(corners[i], c.p[c.count - 1])) c.p[c.count++] = corners[i];
  while (c.count > 1 && Same(c.p[c.count - 1], c.p[0])) c.count--;
  if (TwiceArea(c) < 0)
    for (int i = 0, j = c.count - 1; i < j; i++, j--) {
      OutlinePoint t = c.p[i];
      c.p[i] = c.p[j];
      c.p[j] = t;
    }
  return c;
}

// The unit normal of the edge a to b on the outer side of a positive
// winding.
OutlinePoint OuterNormal(OutlinePoint a, OutlinePoint b) {
  OutlinePoint e = Minus(b, a);
  double length = sqrt(Dot(e, e));
  return {e.y / length, -e.x / length};
}

OutlinePoint Offset(OutlinePoint p, OutlinePoint direction, double distance) {
  return {p.x + direction.x * distance, p.y + direction.y * distance};
}

void Put(OutlinePolygon* out, OutlinePoint p) {
  if (out->count < OUTLINE_POINTS) out->points[out->count++] = p;
}

OutlinePoint Turned(OutlinePoint u, double c, double s) {
  return {u.x * c - u.y * s, u.x * s + u.y * c};
}

// The pen round a corner the outline turns outwards at: an arc from the
// incoming edge's offset n1 to the outgoing one's n2, half a turn at a
// line's end, in chords of one angle while n2 is further off than that.
void RoundJoin(OutlinePolygon* out, OutlinePoint p, OutlinePoint n1, OutlinePoint n2, double d) {
  // A chord of angle a strays d (1 - cos a/2); cos a = 2 cos^2 a/2 - 1.
  double half = 1 - JOIN_ERROR / d, c = half < 0 ? -1 : 2 * half * half - 1;
  if (c > JOIN_STEP_COS) c = JOIN_STEP_COS;
  double s = sqrt(1 - c * c);
  Put(out, Offset(p, n1, d));
  for (OutlinePoint u = Turned(n1, c, s); Dot(u, n2) < c && out->count < OUTLINE_POINTS;
       u = Turned(u, c, s))
    Put(out, Offset(p, u, d));
  Put(out, Offset(p, n2, d));
}

// Keeps the part of a convex piece at least d inside the edge a to b.
void ClipInside(OutlinePolygon* piece, OutlinePoint a, OutlinePoint b, double d) {
  OutlinePoint n = OuterNormal(a, b);
  OutlinePolygon kept;
  kept.count = 0;
  for (int i = 0; i < piece->count; i++) {
    OutlinePoint p = piece->points[i], q = piece->points[(i + 1) % piece->count];
    double dp = -Dot(Minus(p, a), n) - d, dq = -Dot(Minus(q, a), n) - d;
    if (dp >= 0) Put(&kept, p);
    if ((dp >= 0) != (dq >= 0)) {
      double t = dp / (dp - dq);
      Put(&kept, OutlinePoint{p.x + (q.x - p.x) * t, p.y + (q.y - p.y) * t});
    }
  }
  *piece = kept;
}

// The convex piece of the corners in order, shrunk from its first
// outerEdges edges; an edge that only splits the polygon has no pen on it.
int Shrink(const Corners& c, const int* order, int count, int outerEdges, double d,
           OutlinePolygon* piece) {
  piece->count = 0;
  for (int i = 0; i < count; i++) Put(piece, c.p[order[i]]);
  for (int i = 0; i < outerEdges && piece->count; i++)
    ClipInside(piece, c.p[order[i]], c.p[order[(i + 1) % count]], d);
  return piece->count >= 3;
}

}  // namespace

int PenShape(const OutlinePoint* corners, int count, double halfWidth, OutlinePolygon* out) {
  Corners c = Tidy(corners, count);
  out->count = 0;
  if (c.count == 1) return CircleShape(c.p[0], halfWidth, out);  // a dot
  for (int i = 0; i < c.count && c.count > 1; i++) {
    OutlinePoint prev = c.p[(i + c.count - 1) % c.count], p = c.p[i],
                 next = c.p[(i + 1) % c.count];
    OutlinePoint in = Minus(p, prev), on = Minus(next, p);
    OutlinePoint n1 = OuterNormal(prev, p), n2 = OuterNormal(p, next);
    if (Cross(in, on) < 0) {
      // A corner that points inwards: both offsets meet through the corner
      // itself; the small loop this makes winds positive too.
      Put(out, Offset(p, n1, halfWidth));
      Put(out, p);
      Put(out, Offset(p, n2, halfWidth));
      continue;
    }
    RoundJoin(out, p, n1, n2, halfWidth);
  }
  return out->count;
}

int CircleShape(OutlinePoint centre, double radius, OutlinePolygon* out) {
  // Each point the last turned by one step: two products, not a cosine.
  const double c = cos(2 * PI / CIRCLE_POINTS), s = sin(2 * PI / CIRCLE_POINTS);
  OutlinePoint u = {1, 0};
  out->count = 0;
  for (int k = 0; k < CIRCLE_POINTS; k++, u = Turned(u, c, s))
    Put(out, Offset(centre, u, radius));
  return out->count;
}

void ClipToBox(OutlinePolygon* polygon, double width, double height) {
  OutlinePoint box[] = {{0, 0}, {width, 0}, {width, height}, {0, height}};
  for (int i = 0; i < 4 && polygon->count; i++) ClipInside(polygon, box[i], box[(i + 1) % 4], 0);
}

int InsideShape(const OutlinePoint* corners, int count, double halfWidth,
                OutlinePolygon pieces[2]) {
  Corners c = Tidy(corners, count);
  if (c.count < 3 || TwiceArea(c) <= 0) return 0;
  int inward = -1, inwardCount = 0;
  for (int i = 0; i < c.count; i++) {
    OutlinePoint prev = c.p[(i + c.count - 1) % c.count], p = c.p[i],
                 next = c.p[(i + 1) % c.count];
    if (Cross(Minus(p, prev), Minus(next, p)) < 0) {
      inward = i;
      inwardCount++;
    }
  }
  if (inwardCount == 0) {
    static const int whole[] = {0, 1, 2, 3};
    return Shrink(c, whole, c.count, c.count, halfWidth, &pieces[0]);
  }
  // Only a four-cornered polygon that does not cross itself has a single
  // corner pointing inwards: it splits into two triangles from there.
  if (inwardCount > 1 || c.count != 4) return 0;
  int r = inward;
  int first[] = {r, (r + 1) % 4, (r + 2) % 4}, second[] = {(r + 2) % 4, (r + 3) % 4, r};
  int n = Shrink(c, first, 3, 2, halfWidth, &pieces[0]);
  n += Shrink(c, second, 3, 2, halfWidth, &pieces[n]);
  return n;
}
