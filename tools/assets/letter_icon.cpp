// The mail icon: a sealed envelope with its flap folded down and a stamp.
#include "tools/assets/assets.h"

static const Rgb kOutline = {40, 52, 86}, kPaper = {250, 246, 232}, kShade = {222, 214, 190},
                 kStamp = {200, 40, 40}, kWhite = {255, 255, 255};

Canvas DrawLetterIcon(int size) {
  Canvas c(size, size, kWhite, 0);
  double s = size, line = s < 20 ? 1.0 : s / 24.0;
  double left = s * 0.06, right = s * 0.94, top = s * 0.2, bottom = s * 0.82;
  FillRect(&c, left, top, right, bottom, kOutline);
  FillRect(&c, left + line, top + line, right - line, bottom - line, kPaper);
  // The lower folds meet under the flap.
  double folds[] = {left + line, bottom - line, s * 0.5, s * 0.52, right - line, bottom - line};
  FillPolygon(&c, folds, 3, kShade);
  DrawLine(&c, left + line, bottom - line, s * 0.5, s * 0.52, line, kOutline);
  DrawLine(&c, right - line, bottom - line, s * 0.5, s * 0.52, line, kOutline);
  // The flap, folded down over the folds.
  double flap[] = {left + line, top + line, s * 0.5, s * 0.6, right - line, top + line};
  FillPolygon(&c, flap, 3, kPaper);
  DrawLine(&c, left + line, top + line, s * 0.5, s * 0.6, line * 1.2, kOutline);
  DrawLine(&c, right - line, top + line, s * 0.5, s * 0.6, line * 1.2, kOutline);
  if (size >= 32) FillRect(&c, s * 0.74, top + s * 0.06, s * 0.86, top + s * 0.2, kStamp);
  return c;
}
