zt_core_sources(face/region_format.cpp)
zt_win_sources(face/region.cpp face/clock_image.cpp face/hands.cpp)
zt_win_libs(msvfw32)
