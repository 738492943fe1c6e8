zt_win_sources(platform/dial_up.cpp platform/file_replace.cpp)
zt_win_libs(rasapi32 kernel32)
