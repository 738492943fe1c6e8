#include "skins/wallpaper_preview.h"

#include "base/dpi_scale.h"
#include "base/file_bytes.h"
#include "skins/bmp_view.h"
#include "platform/system_paths.h"

// Wallpapers larger than this are not previewed.
static const size_t kLargestFile = 256u << 20;

// The frame and the desktop colour inside it.
static void FillFramed(HDC dc, int x, int y) {
  HBRUSH desktop = CreateSolidBrush(GetSysColor(COLOR_BACKGROUND));
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  HGDIOBJ oldBrush = SelectObject(dc, desktop);
  Rectangle(dc, x, y, x + PREVIEW_PICTURE_WIDTH, y + PREVIEW_PICTURE_HEIGHT);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(desktop);
}

static void DrawFrameLines(HDC dc) {
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  MoveToEx(dc, 0, 0, NULL);
  LineTo(dc, PREVIEW_PICTURE_WIDTH - 1, 0);
  LineTo(dc, PREVIEW_PICTURE_WIDTH - 1, PREVIEW_PICTURE_HEIGHT - 1);
  LineTo(dc, 0, PREVIEW_PICTURE_HEIGHT - 1);
  LineTo(dc, 0, 0);
  SelectObject(dc, oldPen);
}

// Every tile is the same picture: draw one and double it across, then
// down, instead of drawing each of what can be thousands of tiles.
static void RepeatTile(HDC dc, int dw, int dh) {
  for (int w = dw; w < PREVIEW_WIDTH; w *= 2) BitBlt(dc, 1 + w, 1, w, dh, dc, 1, 1, SRCCOPY);
  for (int h = dh; h < PREVIEW_HEIGHT; h *= 2)
    BitBlt(dc, 1, 1 + h, PREVIEW_WIDTH, h, dc, 1, 1, SRCCOPY);
}

static void DrawPicture(HDC dc, const BmpView* view, int style, const PreviewScreen* screen) {
  PreviewPlan p;
  PlanPreview(view->width, view->height, screen, style, &p);
  int x = style == STYLE_TILE ? 0 : p.dx, y = style == STYLE_TILE ? 0 : p.dy;
  // Straight from the rows read: a DrawDib context would first copy the
  // whole picture into a section of its own, most of the preview's time
  // under Wine. Shrunk by sampling the picture, not by the default mode's
  // AND of its pixels; Windows 95/98/Me know no halftone and keep one
  // pixel of each block. Enlarged by plain repetition, which is all
  // halftone would do there, at several times the cost. Source rows count
  // from the bottom.
  int shrunk = p.dw < p.sw || p.dh < p.sh;
  if (shrunk && SetStretchBltMode(dc, HALFTONE)) SetBrushOrgEx(dc, 0, 0, NULL);
  else SetStretchBltMode(dc, COLORONCOLOR);
  StretchDIBits(dc, x + 1, y + 1, p.dw, p.dh, p.xs, view->height - p.ys - p.sh, p.sw, p.sh,
                view->pixels, (const BITMAPINFO*)view->info, DIB_RGB_COLORS, SRCCOPY);
  if (style != STYLE_TILE) return;
  RepeatTile(dc, p.dw, p.dh);
  DrawFrameLines(dc);
}

// The miniature onto the dialog, stretched once to the dialog's DPI.
static void Present(const PreviewTarget* t, HDC picture) {
  int w = ScaleToDpi(PREVIEW_PICTURE_WIDTH, t->dpi), h = ScaleToDpi(PREVIEW_PICTURE_HEIGHT, t->dpi);
  if (w == PREVIEW_PICTURE_WIDTH) {
    BitBlt(t->dc, t->x, t->y, w, h, picture, 0, 0, SRCCOPY);
    return;
  }
  if (SetStretchBltMode(t->dc, HALFTONE)) SetBrushOrgEx(t->dc, 0, 0, NULL);
  else SetStretchBltMode(t->dc, COLORONCOLOR);
  StretchBlt(t->dc, t->x, t->y, w, h, picture, 0, 0, PREVIEW_PICTURE_WIDTH, PREVIEW_PICTURE_HEIGHT,
             SRCCOPY);
}

int PaintWallpaperPreview(const PreviewTarget* target, const char* path, int style) {
  FileBytes file = {NULL, 0};
  BmpView view;
  int drawable = path[0] && ReadFileBytes(path, kLargestFile, &file) == FILE_READ_OK &&
                 ParseBmpFile((const unsigned char*)file.data, file.size, &view);
  HDC picture = CreateCompatibleDC(target->dc);
  HBITMAP bits = CreateCompatibleBitmap(target->dc, PREVIEW_PICTURE_WIDTH, PREVIEW_PICTURE_HEIGHT);
  HGDIOBJ old = SelectObject(picture, bits);
  FillFramed(picture, 0, 0);
  if (drawable) {
    DrawPicture(picture, &view, style, &target->screen);
    FreeBmpView(&view);
  }
  Present(target, picture);
  SelectObject(picture, old);
  DeleteObject(bits);
  DeleteDC(picture);
  FreeFileBytes(&file);
  return drawable;
}
