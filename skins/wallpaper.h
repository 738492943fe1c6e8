// Setting the desktop wallpaper, its display style and the icon-text
// background.
#pragma once

struct AppState;

// Hands the path to the desktop (empty removes the wallpaper).
void ApplyDesktopWallpaper(const char* path);
// The same, then records the path as the last wallpaper.
void SetWallpaper(AppState* app, const char* path);
// "TileWallpaper" and "WallpaperStyle" of the user's desktop settings; a
// value that is missing or unreadable reads as 0.
void ReadWallpaperStyle(int* tile, int* style);
void WriteWallpaperStyle(int tile, int style);
// How many of the style box's styles this system's desktop draws.
int DesktopStyleCount();
// Sets the system-wide desktop colour to "none", which the desktop takes
// as icon texts without a box over the wallpaper. Every program sees the
// change, until the session ends.
void MakeIconTextTransparent();
