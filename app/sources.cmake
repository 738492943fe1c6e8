zt_core_sources(app/position_rule.cpp app/zorder_rule.cpp app/tick_rule.cpp)
zt_win_sources(
  app/app_state.cpp app/globals.cpp app/clock_source.cpp app/startup.cpp
  app/window_proc.cpp app/placement.cpp app/menus.cpp app/tray.cpp app/sound.cpp)
zt_win_libs(comctl32 comdlg32 shell32 winmm gdi32 user32 kernel32 advapi32)
