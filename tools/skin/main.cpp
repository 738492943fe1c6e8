// Skin maker: packs a 200 by 200 bitmap with a title and an author note
// into a skin file, and shows what a skin file holds.
//   zt_skin pack FACE.bmp TITLE AUTHOR OUT.qkb
//   zt_skin list SKIN.qkb
// Texts are given and shown in UTF-8 and stored in code page 932.
#include <iconv.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "face/skin_image.h"
#include "skins/bmp_view.h"
#include "skins/skin_format.h"
#include "tools/skin/skin_pack.h"

typedef std::vector<unsigned char> Bytes;

static int ReadAll(const char* path, Bytes* out) {
  FILE* f = fopen(path, "rb");
  if (!f) return 0;
  unsigned char chunk[65536];
  for (size_t n; (n = fread(chunk, 1, sizeof chunk, f)) > 0;) out->insert(out->end(), chunk, chunk + n);
  int ok = !ferror(f);
  fclose(f);
  return ok;
}

static int WriteAll(const char* path, const Bytes& bytes) {
  FILE* f = fopen(path, "wb");
  if (!f) return 0;
  int ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return fclose(f) == 0 && ok;
}

// 0 when the text has a character the other code page lacks.
static int Convert(const char* from, const char* to, const std::string& in, std::string* out) {
  iconv_t cd = iconv_open(to, from);
  if (cd == (iconv_t)-1) return 0;
  std::vector<char> buffer(in.size() * 4 + 4);
  char* src = (char*)in.data();
  char* dst = buffer.data();
  size_t srcLeft = in.size(), dstLeft = buffer.size();
  size_t done = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (done == (size_t)-1) return 0;
  out->assign(buffer.data(), dst);
  return 1;
}

static int Pack(const char* bmpPath, const char* title, const char* author, const char* outPath) {
  Bytes bmp, skin;
  BmpView image;
  if (!ReadAll(bmpPath, &bmp) || !ParseBmpFile(bmp.data(), bmp.size(), &image)) {
    fprintf(stderr, "zt_skin: %s is not a bitmap file the clock can draw\n", bmpPath);
    return 1;
  }
  FreeBmpView(&image);
  if (image.width != 200 || image.height != 200) {
    fprintf(stderr, "zt_skin: the face must be 200 by 200 pixels, %s is %d by %d\n", bmpPath,
            image.width, image.height);
    return 1;
  }
  std::string sjisTitle, sjisAuthor;
  if (!Convert("UTF-8", "CP932", title, &sjisTitle) ||
      !Convert("UTF-8", "CP932", author, &sjisAuthor)) {
    fprintf(stderr, "zt_skin: a text has characters that code page 932 lacks\n");
    return 1;
  }
  if (!BuildSkinFile(bmp.data(), bmp.size(), sjisTitle.c_str(), sjisAuthor.c_str(), &skin)) {
    fprintf(stderr, "zt_skin: the title and the author note hold at most 255 bytes each\n");
    return 1;
  }
  if (!WriteAll(outPath, skin)) {
    fprintf(stderr, "zt_skin: cannot write %s\n", outPath);
    return 1;
  }
  return 0;
}

static std::string Shown(const char* sjis) {
  std::string text;
  return Convert("CP932", "UTF-8", sjis, &text) ? text : std::string("(not code page 932)");
}

static int List(const char* path) {
  Bytes skin;
  if (!ReadAll(path, &skin)) {
    fprintf(stderr, "zt_skin: cannot read %s\n", path);
    return 1;
  }
  const char* name = strrchr(path, '/');
  SkinRow row;
  SetSkinRowDefaults(&row, name ? name + 1 : path);
  ParseSkinTextsOfFile(skin.data(), skin.size(), &row);
  static const char* const kFaults[] = {
      "", "no QK mark", "cut short", "of a depth or compression the clock cannot draw",
      "not 200 by 200", "fewer pixel bytes than its rows"};
  SkinImage image;
  int result = ParseSkinImage(skin.data(), skin.size(), &image);
  printf("file:   %s, %zu bytes\n", path, skin.size());
  if (result == SKIN_OK)
    printf("image:  %d by %d, %d bits per pixel%s, %u bytes of pixels\n", image.picture.width,
           image.picture.height, image.picture.bitCount,
           image.picture.compression ? ", run-length encoded" : "", image.bitsSize);
  else
    printf("image:  none that the clock can draw (%s)\n", kFaults[result]);
  FreeSkinImage(&image);
  printf("title:  %s\nauthor: %s\n", Shown(row.title).c_str(), Shown(row.author).c_str());
  return 0;
}

static void Usage() {
  fprintf(stderr,
          "usage: zt_skin pack FACE.bmp TITLE AUTHOR OUT.qkb\n"
          "       zt_skin list SKIN.qkb\n"
          "  pack  makes a skin from a 200 by 200 bitmap (1, 4, 8, 16, 24 or 32 bits;\n"
          "        run-length streams are kept, other layouts stored plain); TITLE\n"
          "        and AUTHOR are UTF-8, stored as code page 932, at most 255 bytes\n"
          "        each (the skin list shows 127 and 31 of them)\n"
          "  list  shows a skin's image format, title and author note\n");
}

int main(int argc, char** argv) {
  if (argc == 6 && strcmp(argv[1], "pack") == 0) return Pack(argv[2], argv[3], argv[4], argv[5]);
  if (argc == 3 && strcmp(argv[1], "list") == 0) return List(argv[2]);
  Usage();
  return 2;
}
