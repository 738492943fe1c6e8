zt_core_sources(
  skins/bmp_view.cpp skins/skin_format.cpp skins/preview_geometry.cpp
  skins/change_rules.cpp skins/wallpaper_style.cpp)
zt_win_sources(skins/pending.cpp)
zt_win_libs(msvfw32 shell32 ole32 advapi32 comctl32)
