// The default window shape: a disc of diameter 200 centred in 200 by 200.
#pragma once

enum { DISC_SIZE = 200 };

// Pixel centres within the circle through the window's edges.
bool InsideDisc(int x, int y, const void* unused);
