#include "tools/assets/canvas.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <map>

Canvas::Canvas(int w, int h, Rgb fill, float alpha)
    : width(w), height(h), r(w * h, fill.r), g(w * h, fill.g), b(w * h, fill.b), a(w * h, alpha) {}

void Canvas::Blend(int x, int y, Rgb c, float cover) {
  if (x < 0 || y < 0 || x >= width || y >= height || cover <= 0) return;
  int i = y * width + x;
  float outA = cover + a[i] * (1 - cover);
  if (outA <= 0) return;
  r[i] = (c.r * cover + r[i] * a[i] * (1 - cover)) / outA;
  g[i] = (c.g * cover + g[i] * a[i] * (1 - cover)) / outA;
  b[i] = (c.b * cover + b[i] * a[i] * (1 - cover)) / outA;
  a[i] = outA;
}

Rgb Canvas::At(int x, int y) const {
  int i = y * width + x;
  return Rgb{(uint8_t)lroundf(r[i]), (uint8_t)lroundf(g[i]), (uint8_t)lroundf(b[i])};
}

void FillShape(Canvas* c, Rgb colour, ShapeTest inside, const void* shape) {
  const int n = 4;
  for (int y = 0; y < c->height; y++)
    for (int x = 0; x < c->width; x++) {
      int hits = 0;
      for (int sy = 0; sy < n; sy++)
        for (int sx = 0; sx < n; sx++)
          if (inside(x + (sx + 0.5) / n, y + (sy + 0.5) / n, shape)) hits++;
      c->Blend(x, y, colour, hits / float(n * n));
    }
}

struct Ring {
  double cx, cy, inner, outer;
};
static bool InRing(double x, double y, const void* s) {
  const Ring* r = (const Ring*)s;
  double d2 = (x - r->cx) * (x - r->cx) + (y - r->cy) * (y - r->cy);
  return d2 <= r->outer * r->outer && d2 >= r->inner * r->inner;
}
void FillRing(Canvas* c, double cx, double cy, double inner, double outer, Rgb colour) {
  Ring r = {cx, cy, inner, outer};
  FillShape(c, colour, InRing, &r);
}
void FillCircle(Canvas* c, double cx, double cy, double radius, Rgb colour) {
  FillRing(c, cx, cy, 0, radius, colour);
}

struct Segment {
  double x0, y0, x1, y1, half;
};
static bool InSegment(double x, double y, const void* s) {
  const Segment* g = (const Segment*)s;
  double dx = g->x1 - g->x0, dy = g->y1 - g->y0;
  double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((x - g->x0) * dx + (y - g->y0) * dy) / len2 : 0;
  t = std::max(0.0, std::min(1.0, t));
  double px = g->x0 + t * dx - x, py = g->y0 + t * dy - y;
  return px * px + py * py <= g->half * g->half;
}
void DrawLine(Canvas* c, double x0, double y0, double x1, double y1, double width, Rgb colour) {
  Segment s = {x0, y0, x1, y1, width / 2};
  FillShape(c, colour, InSegment, &s);
}

void FillRect(Canvas* c, double x0, double y0, double x1, double y1, Rgb colour) {
  double xy[8] = {x0, y0, x1, y0, x1, y1, x0, y1};
  FillPolygon(c, xy, 4, colour);
}

struct Polygon {
  const double* xy;
  int n;
};
static bool InPolygon(double x, double y, const void* s) {
  const Polygon* p = (const Polygon*)s;
  bool in = false;
  for (int i = 0, j = p->n - 1; i < p->n; j = i++) {
    double xi = p->xy[2 * i], yi = p->xy[2 * i + 1], xj = p->xy[2 * j], yj = p->xy[2 * j + 1];
    if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
  }
  return in;
}
void FillPolygon(Canvas* c, const double* xy, int points, Rgb colour) {
  Polygon p = {xy, points};
  FillShape(c, colour, InPolygon, &p);
}

// Bold digits 11 pixels high with two-pixel strokes: crisp at the size a
// face's numerals are drawn, where thin anti-aliased strokes blur. The
// one is narrower, so that 10 to 12 fit where the ring is tight.
static const char* const kDigits[10][DIGIT_HEIGHT] = {
    {"..###..", ".##.##.", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##",
     "##...##", ".##.##.", "..###.."},
    {"..##.", ".###.", "####.", "..##.", "..##.", "..##.", "..##.", "..##.", "..##.", "..##.",
     "#####"},
    {".#####.", "##...##", ".....##", ".....##", "....##.", "...##..", "..##...", ".##....",
     "##.....", "##.....", "#######"},
    {".#####.", "##...##", ".....##", ".....##", "..####.", ".....##", ".....##", ".....##",
     ".....##", "##...##", ".#####."},
    {"....##.", "...###.", "..####.", ".##.##.", "##..##.", "##..##.", "#######", "....##.",
     "....##.", "....##.", "....##."},
    {"#######", "##.....", "##.....", "######.", ".....##", ".....##", ".....##", ".....##",
     ".....##", "##...##", ".#####."},
    {"..####.", ".##....", "##.....", "##.....", "######.", "##...##", "##...##", "##...##",
     "##...##", "##...##", ".#####."},
    {"#######", ".....##", ".....##", "....##.", "....##.", "...##..", "...##..", "..##...",
     "..##...", "..##...", "..##..."},
    {".#####.", "##...##", "##...##", "##...##", ".#####.", "##...##", "##...##", "##...##",
     "##...##", "##...##", ".#####."},
    {".#####.", "##...##", "##...##", "##...##", "##...##", ".######", ".....##", ".....##",
     ".....##", "....##.", ".####.."},
};

static int DigitWidth(char digit) { return (int)strlen(kDigits[digit - '0'][0]); }

int PixelNumberWidth(int number) {
  char text[12];
  int len = snprintf(text, sizeof text, "%d", number);
  int width = (len - 1) * DIGIT_GAP;
  for (int i = 0; i < len; i++) width += DigitWidth(text[i]);
  return width;
}

bool PixelNumberLit(int number, int x, int y) {
  char text[12];
  int len = snprintf(text, sizeof text, "%d", number);
  if (y < 0 || y >= DIGIT_HEIGHT) return false;
  for (int i = 0; i < len && x >= 0; i++) {
    int w = DigitWidth(text[i]);
    if (x < w) return kDigits[text[i] - '0'][y][x] == '#';
    x -= w + DIGIT_GAP;
  }
  return false;
}

void DrawPixelNumber(Canvas* c, int number, int left, int top, Rgb colour) {
  int width = PixelNumberWidth(number);
  for (int y = 0; y < DIGIT_HEIGHT; y++)
    for (int x = 0; x < width; x++)
      if (PixelNumberLit(number, x, y)) c->Blend(left + x, top + y, colour, 1);
}

static void Put16(std::vector<uint8_t>* v, unsigned x) {
  v->push_back(x & 0xFF);
  v->push_back((x >> 8) & 0xFF);
}
static void Put32(std::vector<uint8_t>* v, uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

static uint32_t Key(Rgb c) { return (c.r << 16) | (c.g << 8) | c.b; }

// Palette of the picture's colours, most used first; the rest map to the
// nearest entry.
static std::vector<Rgb> BuildPalette(const Canvas& c, int bits) {
  static const Rgb vga[16] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                              {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                              {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                              {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
  if (bits == 4) return std::vector<Rgb>(vga, vga + 16);
  std::map<uint32_t, int> counts;
  for (int y = 0; y < c.height; y++)
    for (int x = 0; x < c.width; x++) counts[Key(c.At(x, y))]++;
  std::vector<std::pair<int, uint32_t>> byUse;
  for (auto& e : counts) byUse.push_back({-e.second, e.first});
  std::sort(byUse.begin(), byUse.end());
  std::vector<Rgb> pal;
  for (size_t i = 0; i < byUse.size() && i < 256; i++) {
    uint32_t k = byUse[i].second;
    pal.push_back(Rgb{(uint8_t)(k >> 16), (uint8_t)(k >> 8), (uint8_t)k});
  }
  return pal;
}

static int Nearest(const std::vector<Rgb>& pal, Rgb c) {
  int best = 0, bestD = 1 << 30;
  for (size_t i = 0; i < pal.size(); i++) {
    int dr = pal[i].r - c.r, dg = pal[i].g - c.g, db = pal[i].b - c.b;
    int d = dr * dr + dg * dg + db * db;
    if (d < bestD) bestD = d, best = (int)i;
  }
  return best;
}

static bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return fclose(f) == 0 && ok;
}

// Run-length rows: runs of one index, and literal stretches of three or
// more pixels in absolute mode, padded to 16 bits.
static void PutRleRow(std::vector<uint8_t>* v, const std::vector<int>& px, int bits) {
  size_t n = px.size(), x = 0;
  auto runAt = [&](size_t i) {
    size_t r = 1;
    while (i + r < n && r < 255 && px[i + r] == px[i]) r++;
    return r;
  };
  while (x < n) {
    size_t run = runAt(x);
    size_t lit = 0;
    while (run == 1 && x + lit < n && lit < 254 && runAt(x + lit) == 1) lit++;
    if (run > 1 || lit < 3) {
      v->push_back((uint8_t)run);
      v->push_back((uint8_t)(bits == 8 ? px[x] : px[x] << 4 | px[x]));
      x += run;
      continue;
    }
    v->push_back(0);
    v->push_back((uint8_t)lit);
    size_t bytes = bits == 8 ? lit : (lit + 1) / 2;
    for (size_t i = 0; i < bytes; i++) {
      if (bits == 8) v->push_back((uint8_t)px[x + i]);
      else v->push_back((uint8_t)(px[x + 2 * i] << 4 | (2 * i + 1 < lit ? px[x + 2 * i + 1] : 0)));
    }
    if (bytes & 1) v->push_back(0);
    x += lit;
  }
}

static void PutPixel(std::vector<uint8_t>* row, int x, int bits, Rgb p, int index) {
  switch (bits) {
    case 32:
      (*row)[4 * x] = p.b, (*row)[4 * x + 1] = p.g, (*row)[4 * x + 2] = p.r;
      break;
    case 24:
      (*row)[3 * x] = p.b, (*row)[3 * x + 1] = p.g, (*row)[3 * x + 2] = p.r;
      break;
    case 16: {
      unsigned v = (p.r >> 3) << 11 | (p.g >> 2) << 5 | p.b >> 3;
      (*row)[2 * x] = (uint8_t)v, (*row)[2 * x + 1] = (uint8_t)(v >> 8);
      break;
    }
    case 8: (*row)[x] = (uint8_t)index; break;
    default: (*row)[x / 2] |= (uint8_t)(x % 2 ? index : index << 4);
  }
}

std::vector<uint8_t> BmpBytes(const Canvas& c, int bits, BmpLayout layout) {
  std::vector<Rgb> pal;
  if (bits <= 8) {
    pal = BuildPalette(c, bits);
    pal.resize(1u << bits, Rgb{0, 0, 0});
  }
  bool masked = layout == BMP_MASKED, rle = layout == BMP_RLE;
  int stride = ((c.width * bits + 31) / 32) * 4;
  uint32_t offset = 14 + 40 + 4 * (uint32_t)pal.size() + (masked ? 12 : 0);
  std::vector<uint8_t> body;
  std::map<uint32_t, int> cache;
  for (int i = 0; i < c.height; i++) {
    int y = layout == BMP_TOP_DOWN ? i : c.height - 1 - i;
    std::vector<uint8_t> row(stride, 0);
    std::vector<int> indexes(c.width);
    for (int x = 0; x < c.width; x++) {
      Rgb p = c.At(x, y);
      int index = 0;
      if (bits <= 8) {
        auto hit = cache.find(Key(p));
        index = hit != cache.end() ? hit->second : (cache[Key(p)] = Nearest(pal, p));
      }
      indexes[x] = index;
      PutPixel(&row, x, bits, p, index);
    }
    if (!rle) {
      body.insert(body.end(), row.begin(), row.end());
      continue;
    }
    PutRleRow(&body, indexes, bits);
    body.push_back(0);
    body.push_back(i + 1 < c.height ? 0 : 1);
  }
  std::vector<uint8_t> v;
  v.push_back('B');
  v.push_back('M');
  Put32(&v, offset + (uint32_t)body.size());
  Put32(&v, 0);
  Put32(&v, offset);
  Put32(&v, 40);
  Put32(&v, c.width);
  Put32(&v, layout == BMP_TOP_DOWN ? (uint32_t)-c.height : (uint32_t)c.height);
  Put16(&v, 1);
  Put16(&v, bits);
  Put32(&v, rle ? (bits == 8 ? 1 : 2) : masked ? 3 : 0);
  Put32(&v, (uint32_t)body.size());
  Put32(&v, 2835);
  Put32(&v, 2835);
  Put32(&v, bits <= 8 ? (uint32_t)pal.size() : 0);
  Put32(&v, 0);
  if (masked && bits == 16) Put32(&v, 0xF800), Put32(&v, 0x07E0), Put32(&v, 0x001F);
  if (masked && bits == 32) Put32(&v, 0xFF0000), Put32(&v, 0xFF00), Put32(&v, 0xFF);
  for (Rgb p : pal) {
    v.push_back(p.b);
    v.push_back(p.g);
    v.push_back(p.r);
    v.push_back(0);
  }
  v.insert(v.end(), body.begin(), body.end());
  return v;
}

bool WriteBmp(const std::string& path, const Canvas& c, int bits, BmpLayout layout) {
  return WriteFile(path, BmpBytes(c, bits, layout));
}

bool WriteIcon(const std::string& path, const std::vector<const Canvas*>& images) {
  std::vector<uint8_t> v, body;
  Put16(&v, 0);
  Put16(&v, 1);
  Put16(&v, (unsigned)images.size());
  uint32_t offset = 6 + 16 * (uint32_t)images.size();
  for (const Canvas* c : images) {
    int maskStride = ((c->width + 31) / 32) * 4;
    std::vector<uint8_t> img;
    Put32(&img, 40);
    Put32(&img, c->width);
    Put32(&img, c->height * 2);
    Put16(&img, 1);
    Put16(&img, 32);
    Put32(&img, 0);
    Put32(&img, c->width * c->height * 4 + maskStride * c->height);
    for (int i = 0; i < 4; i++) Put32(&img, 0);
    for (int y = c->height - 1; y >= 0; y--)
      for (int x = 0; x < c->width; x++) {
        Rgb p = c->At(x, y);
        img.push_back(p.b);
        img.push_back(p.g);
        img.push_back(p.r);
        img.push_back((uint8_t)lroundf(c->a[y * c->width + x] * 255));
      }
    for (int y = c->height - 1; y >= 0; y--) {
      std::vector<uint8_t> row(maskStride, 0);
      for (int x = 0; x < c->width; x++)
        if (c->a[y * c->width + x] < 0.5f) row[x / 8] |= (uint8_t)(0x80 >> (x % 8));
      img.insert(img.end(), row.begin(), row.end());
    }
    v.push_back((uint8_t)(c->width & 0xFF));
    v.push_back((uint8_t)(c->height & 0xFF));
    v.push_back(0);
    v.push_back(0);
    Put16(&v, 1);
    Put16(&v, 32);
    Put32(&v, (uint32_t)img.size());
    Put32(&v, offset);
    offset += (uint32_t)img.size();
    body.insert(body.end(), img.begin(), img.end());
  }
  v.insert(v.end(), body.begin(), body.end());
  return WriteFile(path, v);
}
