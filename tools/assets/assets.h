// The program's pictures, each drawn by its own function.
#pragma once
#include "tools/assets/canvas.h"

Canvas DrawBuiltinFace();          // bitmap 100, 200 x 200, 8 bits
Canvas DrawSkinFolderImage();      // bitmap 116, 17 x 15
Canvas DrawMenuFind();             // bitmap 127, 11 x 11, 16 colours
Canvas DrawMenuSound();            // bitmap 128, 11 x 11, 16 colours
Canvas DrawClockIcon(int size);    // icon 107
Canvas DrawLetterIcon(int size);   // icon 119
