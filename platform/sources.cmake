zt_win_sources(platform/dial_up.cpp platform/file_replace.cpp platform/newer_calls.cpp
  platform/file_chooser.cpp platform/list_view.cpp platform/dialog_controls.cpp
  platform/system_text.cpp platform/system_paths.cpp
  platform/text_ways.cpp platform/profile_file.cpp platform/later_calls.cpp)
# comctl32, comdlg32, ole32, rasapi32, shell32, winmm and wsock32 are not linked:
# their calls are made through platform/later_calls, which loads each at
# its first use.
zt_win_libs(kernel32)
