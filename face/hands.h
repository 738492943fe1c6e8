// Drawing the hands and the information line: each frame from a style, the
// tools made for it, the time and what is shown, and nothing else.
#pragma once
#include <windows.h>

#include "face/hand_paint.h"
#include "face/info_line.h"

enum { INFO_FONT_HEIGHT = 14 };

// The user's choices the hands are drawn in.
struct HandStyle {
  int design;
  int boldLines;
  int hollowHands;
  int smoothHands;  // painted anti-aliased where the frame's pixels are at hand
  COLORREF hourColor, minuteColor, secondColor;  // outlines
  COLORREF hourFill, minuteFill, secondFill;
};

// A character of the information font as texts over smooth hands paint
// it: its covers (0 to 255, width a row) fetched from the font once, its
// top left from the point the text is drawn at, and how far it moves on.
struct FaceGlyph {
  unsigned code;  // code page 932's
  int left, top, width, height, advance;
  uint8_t* covers;
};
// Enough for every character the information line and the balloons show.
enum { FACE_GLYPHS = 32 };
struct FaceGlyphs {
  int count;
  int ascent;  // of the font, from the top of a text to its base line
  int refused;  // the font gave no picture once: GDI draws its texts
  FaceGlyph glyph[FACE_GLYPHS];
};

// Pens, brushes and the font made for a style at a DPI: made again when
// either changes, never per frame.
struct HandTools {
  int dpi;
  int hourLength, minuteLength, secondLength;  // of the last design with hands
  int penWidth;                                // of the outlines, in pixels at dpi
  HPEN hourPen, minutePen, secondPen;
  HBRUSH hourBrush, minuteBrush, secondBrush;
  HBRUSH nullBrush;
  HFONT infoFont;
  HPEN infoPen;  // the box's outline where one pixel would be too thin
  FaceGlyphs glyphs;  // of infoFont
};

// The font and the box's pen for dpi, which the hands' tools follow.
void CreateTextTools(HandTools* tools, int dpi);
// The lengths, pens and brushes of the style's design at the tools' DPI; a
// design without hands keeps the last ones.
void CreateHandTools(HandTools* tools, const HandStyle* style);
void DeleteHandTools(HandTools* tools);  // all of them

// The information line's box and text (mode INFO_NONE draws nothing); the
// text is painted smooth into canvas when one is given (NULL: by GDI).
void DrawInfoLine(HDC dc, const PixelCanvas* canvas, HandTools* tools, int mode,
                  const InfoValues* values);
// The hands for time, when they are shown; the second hand only with them.
// Smooth hands are painted straight into canvas, the pixels behind dc,
// when there is one (NULL or empty: drawn by GDI).
void DrawHands(HDC dc, const PixelCanvas* canvas, const HandStyle* style, HandTools* tools,
               const SYSTEMTIME* time, int handsShown, int secondShown);
