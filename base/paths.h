// Fixed path buffers: the system's own limit for an ANSI path.
#pragma once

enum { PATH_SIZE = 260, LONGEST_EXE_PATH = 250 };
