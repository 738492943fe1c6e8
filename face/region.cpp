#include "face/region.h"

#include "app/app_state.h"
#include "base/file_bytes.h"

// Region files larger than this are not read.
static const size_t REGION_FILE_CAP = 16u << 20;

static void ShowRegionError(const char* text) {
  MessageBoxA(NULL, text, "ERROR", MB_OK);
}

// A block shorter than its size field promised gives what it holds.
static HRGN RegionFromBlock(FileBytes* file, const RegionHeader* header) {
  size_t got = file->size > REGION_HEADER_SIZE ? file->size - REGION_HEADER_SIZE : 0;
  if (got > (size_t)header->dataSize) got = (size_t)header->dataSize;
  unsigned char* block = (unsigned char*)file->data + (got ? REGION_HEADER_SIZE : 0);
  uint32_t bytes = 0;
  if (got == 0 || PrepareRegionBlock(block, got, &bytes) != REGION_OK) {
    ShowRegionError("File Format wrong");
    return NULL;
  }
  return ExtCreateRegion(NULL, bytes, (const RGNDATA*)block);
}

HRGN LoadRegionFile(const char* path, WindowShape* shape) {
  FileBytes file;
  int read = ReadFileBytes(path, REGION_FILE_CAP, &file);
  if (read == FILE_TOO_BIG) {
    ShowRegionError("malloc was failed");
    return NULL;
  }
  if (read != FILE_READ_OK) {
    char text[PATH_SIZE + 32];
    wsprintfA(text, "Not found rgn file\n%s", path);
    ShowRegionError(text);
    return NULL;
  }
  RegionHeader header;
  HRGN region = NULL;
  switch (ParseRegionHeader((const unsigned char*)file.data, file.size, &header)) {
    case REGION_BAD_MAGIC: ShowRegionError("File format wrong"); break;
    case REGION_BAD_FORMAT: ShowRegionError("File Format wrong"); break;
    case REGION_BAD_SIZE: ShowRegionError("malloc was failed"); break;
    case REGION_OK:
      *shape = header.shape;
      region = RegionFromBlock(&file, &header);
      break;
  }
  FreeFileBytes(&file);
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
