// Asset generator: draws every picture the resource script needs.
//   zt_assets OUTDIR
#include <stdio.h>

#include "tools/assets/assets.h"

static bool WriteIconSizes(const std::string& path, Canvas (*draw)(int)) {
  Canvas s16 = draw(16), s32 = draw(32), s48 = draw(48);
  return WriteIcon(path, {&s16, &s32, &s48});
}

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: zt_assets OUTDIR\n");
    return 2;
  }
  std::string dir = std::string(argv[1]) + "/";
  // Run-length encoded, the face's flat areas take a seventh of the bytes in the program.
  bool ok = WriteBmp(dir + "face.bmp", DrawBuiltinFace(), 8, BMP_RLE) &&
            WriteBmp(dir + "skinfolder.bmp", DrawSkinFolderImage(), 4) &&
            WriteBmp(dir + "menu_find.bmp", DrawMenuFind(), 4) &&
            WriteBmp(dir + "menu_sound.bmp", DrawMenuSound(), 4) &&
            WriteIconSizes(dir + "clock.ico", DrawClockIcon) &&
            WriteIconSizes(dir + "letter.ico", DrawLetterIcon);
  if (!ok) fprintf(stderr, "zt_assets: cannot write into %s\n", argv[1]);
  return ok ? 0 : 1;
}
