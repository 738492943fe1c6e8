#include "settings/setting_list.h"

static const SettingRow kRows[] = {
#define ZT_SETTING_ROW(name, section, key, type, initial, held, design, range, meaning) \
  {#name, section, key, type, initial, held, design, range, meaning},
    ZT_SETTINGS(ZT_SETTING_ROW)
#undef ZT_SETTING_ROW
};
static_assert(sizeof kRows / sizeof *kRows == SETTING_COUNT, "one row a setting");

const SettingRow* SettingRowOf(Setting setting) { return &kRows[(int)setting]; }
