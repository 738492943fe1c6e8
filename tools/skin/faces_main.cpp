// Draws the sample skins' faces.
//   zt_skin_faces OUTDIR      writes porcelain.bmp, night_sakura.bmp, young_leaves.bmp
#include <stdio.h>

#include <string>

#include "tools/skin/sample_faces.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: zt_skin_faces OUTDIR\n");
    return 2;
  }
  std::string dir = std::string(argv[1]) + "/";
  bool ok = WriteBmp(dir + "porcelain.bmp", DrawPorcelain(), 24) &&
            WriteBmp(dir + "night_sakura.bmp", DrawNightSakura(), 24) &&
            WriteBmp(dir + "young_leaves.bmp", DrawYoungLeaves(), 24);
  if (!ok) fprintf(stderr, "zt_skin_faces: cannot write into %s\n", argv[1]);
  return ok ? 0 : 1;
}
