#include "face/region.h"

#include <stdlib.h>
#include <string.h>

#include "settings/app_state.h"
#include "base/dpi_scale.h"
#include "platform/system_paths.h"
#include "platform/system_text.h"

// Region files larger than this are not read.
static const size_t REGION_FILE_CAP = 16u << 20;

static void ShowRegionError(const char* text) {
  ShowMessage(NULL, text, "ERROR", MB_OK);
}

// A block shorter than its size field promised gives what it holds.
static int ReadyBlock(ClockOutline* o, const RegionHeader* header) {
  size_t got = o->file.size > REGION_HEADER_SIZE ? o->file.size - REGION_HEADER_SIZE : 0;
  if (got > (size_t)header->dataSize) got = (size_t)header->dataSize;
  o->block = (unsigned char*)o->file.data + (got ? REGION_HEADER_SIZE : 0);
  if (got == 0 || PrepareRegionBlock(o->block, got, &o->bytes) != REGION_OK) {
    ShowRegionError("File Format wrong");
    return 0;
  }
  return 1;
}

int LoadClockOutline(const char* path, ClockOutline* o) {
  memset(o, 0, sizeof *o);
  int read = ReadFileBytes(path, REGION_FILE_CAP, &o->file);
  if (read == FILE_TOO_BIG) {
    ShowRegionError("malloc was failed");
    return 0;
  }
  if (read != FILE_READ_OK) {
    ShowPathMessage(NULL, "Not found rgn file\n%s", path, "ERROR", MB_OK);
    return 0;
  }
  RegionHeader header;
  int ok = 0;
  switch (ParseRegionHeader((const unsigned char*)o->file.data, o->file.size, &header)) {
    case REGION_BAD_MAGIC: ShowRegionError("File format wrong"); break;
    case REGION_BAD_FORMAT: ShowRegionError("File Format wrong"); break;
    case REGION_BAD_SIZE: ShowRegionError("malloc was failed"); break;
    case REGION_OK:
      o->shape = header.shape;
      ok = ReadyBlock(o, &header);
      break;
  }
  if (!ok) FreeClockOutline(o);
  return ok;
}

void FreeClockOutline(ClockOutline* o) {
  FreeFileBytes(&o->file);
  o->block = NULL;
  o->bytes = 0;
}

WindowShape OutlineSize(const ClockOutline* o, int dpi) {
  return WindowShape{ScaleToDpi(o->shape.width, dpi), ScaleToDpi(o->shape.height, dpi)};
}

HRGN OutlineRegion(const ClockOutline* o, int dpi, WindowShape* size) {
  *size = OutlineSize(o, dpi);
  unsigned char* scaled = (unsigned char*)malloc(o->bytes);
  if (!scaled) return NULL;
  memcpy(scaled, o->block, o->bytes);
  ScaleRegionBlock(scaled, o->bytes, dpi);
  HRGN region = ExtCreateRegion(NULL, o->bytes, (const RGNDATA*)scaled);
  free(scaled);
  return region;
}

int ApplyOutline(HWND window, const ClockOutline* o, int dpi) {
  WindowShape size;
  HRGN region = OutlineRegion(o, dpi, &size);
  if (!region) return 0;
  RECT rect;
  GetWindowRect(window, &rect);
  MoveWindow(window, rect.left, rect.top, 0, 0, TRUE);
  SetWindowRgn(window, region, FALSE);
  MoveWindow(window, rect.left, rect.top, size.width, size.height, TRUE);
  return 1;
}
