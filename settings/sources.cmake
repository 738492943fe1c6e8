zt_core_sources(settings/setting_list.cpp)
zt_win_sources(settings/app_state.cpp settings/sound.cpp)
zt_win_libs(kernel32)
