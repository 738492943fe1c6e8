zt_core_sources(
  skins/bmp_view.cpp skins/skin_format.cpp skins/preview_geometry.cpp
  skins/change_rules.cpp skins/wallpaper_style.cpp)
zt_win_sources(
  skins/file_search.cpp skins/image_changer.cpp skins/wallpaper.cpp
  skins/background_dialog.cpp skins/wallpaper_preview.cpp skins/wallpaper_dialog.cpp
  skins/minutes_field.cpp)
zt_win_libs(advapi32)
