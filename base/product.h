// Who and what the program is, and the names it goes by: the About box,
// the version resource and the program take them from here, so they
// cannot drift apart.
#pragma once
#include "zt_version.h"

#define ZT_PRODUCT_NAME "Zentick"
// The running clock's own name: its single-instance mutex, its window class
// and title, and the name of its data files (ZENTICK.rgn, .mld, .evt).
#define ZT_APP_NAME "ZENTICK"
// The settings file in the data folder.
#define ZT_SETTINGS_FILE ZT_PRODUCT_NAME ".ini"
#define ZT_MAKER "Zentick の開発チーム"
#define ZT_COPYRIGHT "Copyright (C) 2026 " ZT_MAKER
