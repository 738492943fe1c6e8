// The sample skins' faces, each 200 by 200 with magenta outside the dial
// where the round window cuts it away; stored with 24 bits per pixel.
#pragma once
#include "tools/assets/canvas.h"

Canvas DrawPorcelain();    // porcelain.bmp
Canvas DrawNightSakura();  // night_sakura.bmp
Canvas DrawYoungLeaves();  // young_leaves.bmp
