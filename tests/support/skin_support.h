// Skin and wallpaper test material: bitmaps and skin files made on the
// spot, the platform's search order, and a modal dialog driven from a
// helper thread while the clock's thread runs it.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tools/assets/canvas.h"

// A bitmap file whose four quarters are red, green, blue and yellow (top
// left, top right, bottom left, bottom right), in any of the layouts the
// bitmap builder writes.
std::string QuarterBitmap(int width, int height, int bits = 24, BmpLayout layout = BMP_PLAIN);
// A 1600 by 400 bitmap file of four upright bands, red, green, blue and
// yellow from the left: the wallpaper styles each show a different part.
std::string BandedBitmap();
// A valid 200 by 200 skin of such a picture with the given texts (code
// page 932 bytes).
std::string SkinFile(const char* title, const char* author, int bits = 24,
                     BmpLayout layout = BMP_PLAIN);
// Entry names of folder*.ext in the platform's search order.
std::vector<std::string> SearchOrder(const std::string& folder, const char* extension);

// Posts command to the clock window and, once the dialog with the caption
// appears, runs act on it from a helper thread; the dialog is cancelled
// afterwards if act left it open. True when the dialog was seen.
typedef void (*DialogAct)(HWND dialog, void* context);
bool RunDialog(HWND clock, int command, const char* caption, DialogAct act, void* context);

// The desktop wallpaper as the platform reports it.
std::string WallpaperNow();

// Sends the notification a user's action on a dialog control would send.
void NotifyDialog(HWND dialog, int id, int code);
std::string ControlText(HWND dialog, int id);

// A small valid 200 by 200 skin: one bit per pixel, every pixel the colour
// (colour table entry 0); the pixel block ends at ONE_BIT_SKIN_PIXELS_END
// and the texts follow it.
enum { ONE_BIT_SKIN_PIXELS_END = 52 + 8 + 28 * 200 };
std::string OneBitSkinFile(const char* title, const char* author, COLORREF colour);
