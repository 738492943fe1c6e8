#include "skins/bmp_view.h"

#include <string.h>

#include "base/little_endian.h"

int ParseBmpFile(const unsigned char* data, size_t size, BmpView* view, size_t decodeLimit) {
  memset(view, 0, sizeof *view);
  if (size < BMP_FILE_HEADER_SIZE + DIB_INFO_SIZE) return 0;
  // Later header versions are longer; the colour table or the masks
  // follow whatever length the header gives.
  uint32_t headerSize = ReadLe32(data + BMP_FILE_HEADER_SIZE);
  uint32_t pixelOffset = ReadLe32(data + 10);
  if (headerSize > size - BMP_FILE_HEADER_SIZE || pixelOffset > size) return 0;
  size_t tableAt = BMP_FILE_HEADER_SIZE + headerSize;
  DibSource source = {data + BMP_FILE_HEADER_SIZE, headerSize, data + tableAt, size - tableAt,
                      data + pixelOffset, size - pixelOffset};
  return ReadDib(&source, decodeLimit, view) == DIB_OK;
}
