zt_core_sources(shell/position_rule.cpp shell/zorder_rule.cpp shell/tick_rule.cpp)
zt_win_sources(
  shell/globals.cpp shell/clock_source.cpp shell/startup.cpp shell/window_proc.cpp
  shell/placement.cpp shell/menus.cpp shell/tray.cpp shell/opacity.cpp)
zt_win_libs(gdi32 user32 kernel32 advapi32)
