// The window's shape and size from the region file.
#pragma once
#include <windows.h>

#include "base/file_bytes.h"
#include "face/region_format.h"

// The outline as the region file gives it (at 96 DPI), kept so that a
// change of DPI scales it again without reading the file.
struct ClockOutline {
  FileBytes file;
  unsigned char* block;  // the readied region data inside file
  uint32_t bytes;
  WindowShape shape;
};

// Reads the region file; shows its own message and returns 0 on failure.
int LoadClockOutline(const char* path, ClockOutline* outline);
void FreeClockOutline(ClockOutline* outline);
// The window's size for the outline at dpi.
WindowShape OutlineSize(const ClockOutline* outline, int dpi);
// The outline's region at dpi (NULL if the system refuses it); *size is
// the window's size there.
HRGN OutlineRegion(const ClockOutline* outline, int dpi, WindowShape* size);
// Gives the window the outline's shape and size at dpi, its top-left
// corner kept; 0 on failure.
int ApplyOutline(HWND window, const ClockOutline* outline, int dpi);
