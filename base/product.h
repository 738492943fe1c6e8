// Who and what the program is: the About box and the version resource both
// show these, so they cannot drift apart.
#pragma once
#include "zt_version.h"

#define ZT_PRODUCT_NAME "Zentick"
#define ZT_MAKER "Zentick の開発チーム"
#define ZT_COPYRIGHT "Copyright (C) 2026 " ZT_MAKER
