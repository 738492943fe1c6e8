// The window's shape and size from the region file.
#pragma once
#include <windows.h>

#include "face/region_format.h"

// Reads the region file; shows its own message and returns NULL on failure.
HRGN LoadRegionFile(const char* path, WindowShape* shape);
// Gives the window the shape and size of the file; 0 on failure.
int ApplyRegionFile(HWND window, const char* path);
