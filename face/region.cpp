#include "face/region.h"

#include <stdio.h>
#include <stdlib.h>

#include "app/app_state.h"

static void ShowRegionError(const char* text) {
  MessageBoxA(NULL, text, "ERROR", MB_OK);
}

static HRGN RegionFromBlock(FILE* file, const RegionHeader* header) {
  unsigned char* block = (unsigned char*)malloc(header->dataSize);
  if (!block) {
    ShowRegionError("malloc was failed");
    return NULL;
  }
  uint32_t bytes = 0;
  size_t got = fseek(file, REGION_HEADER_SIZE, SEEK_SET) == 0
                   ? fread(block, 1, header->dataSize, file) : 0;
  HRGN region = NULL;
  // A block shorter than its size field promised gives what it holds.
  if (PrepareRegionBlock(block, got, &bytes) != REGION_OK)
    ShowRegionError("File Format wrong");
  else
    region = ExtCreateRegion(NULL, bytes, (const RGNDATA*)block);
  free(block);
  return region;
}

HRGN LoadRegionFile(const char* path, WindowShape* shape) {
  FILE* file = fopen(path, "rb");
  if (!file) {
    char text[PATH_SIZE + 32];
    wsprintfA(text, "Not found rgn file\n%s", path);
    ShowRegionError(text);
    return NULL;
  }
  unsigned char bytes[REGION_HEADER_SIZE];
  size_t got = fread(bytes, 1, sizeof bytes, file);
  RegionHeader header;
  HRGN region = NULL;
  switch (ParseRegionHeader(bytes, got, &header)) {
    case REGION_BAD_MAGIC: ShowRegionError("File format wrong"); break;
    case REGION_BAD_FORMAT: ShowRegionError("File Format wrong"); break;
    case REGION_BAD_SIZE: ShowRegionError("malloc was failed"); break;
    case REGION_OK:
      *shape = header.shape;
      region = RegionFromBlock(file, &header);
      break;
  }
  fclose(file);
  return region;
}

int ApplyRegionFile(HWND window, const char* path) {
  WindowShape shape;
  HRGN region = LoadRegionFile(path, &shape);
  if (!region) return 0;
  RECT rect;
  GetWindowRect(window, &rect);
  MoveWindow(window, rect.left, rect.top, 0, 0, TRUE);
  SetWindowRgn(window, region, FALSE);
  MoveWindow(window, rect.left, rect.top, shape.width, shape.height, TRUE);
  return 1;
}
