zt_win_sources(platform/dial_up.cpp platform/file_replace.cpp platform/newer_calls.cpp
  platform/file_chooser.cpp platform/list_view.cpp platform/dialog_controls.cpp
  platform/system_text.cpp platform/system_paths.cpp
  platform/text_ways.cpp platform/profile_file.cpp)
zt_win_libs(rasapi32 comdlg32 shell32 ole32 kernel32)
