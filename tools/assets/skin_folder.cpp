// The open-folder button image of the background dialog.
#include "tools/assets/assets.h"

static const Rgb kGrey = {192, 192, 192};

Canvas DrawSkinFolderImage() {
  Canvas c(17, 15, kGrey);
  FillRect(&c, 1, 4, 14, 13, Rgb{255, 255, 0});
  return c;
}
