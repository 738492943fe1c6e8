// The two 11 by 11 menu images: a magnifying glass and a loudspeaker
// with sound waves. At this size they are drawn pixel by pixel; the grey
// background is the key the program turns into the menu's colour.
#include "tools/assets/assets.h"

static const Rgb kGrey = {192, 192, 192};

struct PaintColour {
  char key;
  Rgb colour;
};

static const PaintColour kPalette[] = {
    {'#', {0, 0, 0}},       {'w', {255, 255, 255}}, {'c', {0, 255, 255}},
    {'d', {128, 128, 128}}, {'h', {128, 0, 0}},     {'b', {0, 0, 255}}};

static Canvas Paint(const char* const rows[11]) {
  Canvas c(11, 11, kGrey);
  for (int y = 0; y < 11; y++)
    for (int x = 0; x < 11; x++)
      for (const PaintColour& p : kPalette)
        if (rows[y][x] == p.key) c.Blend(x, y, p.colour, 1);
  return c;
}

Canvas DrawMenuFind() {
  static const char* const rows[11] = {
      "..###......",
      ".#www#.....",
      "#wcwww#....",
      "#cwwww#....",
      "#wwwww#....",
      ".#www##....",
      "..#####....",
      ".....hhh...",
      "......hhh..",
      ".......hhh.",
      "........hh.",
  };
  return Paint(rows);
}

Canvas DrawMenuSound() {
  static const char* const rows[11] = {
      "...........",
      ".....#..b..",
      "....##...b.",
      "...#d#.b..b",
      "###dd#..b.b",
      "#w#dd#..b.b",
      "###dd#..b.b",
      "...#d#.b..b",
      "....##...b.",
      ".....#..b..",
      "...........",
  };
  return Paint(rows);
}
