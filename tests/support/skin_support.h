// Skin and wallpaper test material: bitmaps and skin files made on the
// spot, the platform's search order, and a modal dialog driven from a
// helper thread while the clock's thread runs it.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// A 24-bit bitmap file whose four quarters are red, green, blue and yellow
// (top left, top right, bottom left, bottom right).
std::string QuarterBitmap(int width, int height);
// A valid 200 by 200 skin with the given texts (code page 932 bytes).
std::string SkinFile(const char* title, const char* author);
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
