zt_core_sources(face/region_format.cpp face/hand_geometry.cpp face/skin_image.cpp
                face/info_line.cpp)
zt_win_sources(face/region.cpp face/clock_image.cpp face/hands.cpp face/face_settings.cpp
               face/info_stats.cpp)
zt_win_libs(comdlg32 advapi32)
# The outlines depend on single/double rounding; x87 excess precision
# would move points by a pixel.
if(WIN32)
  set_source_files_properties(face/hand_geometry.cpp PROPERTIES COMPILE_OPTIONS "-msse2;-mfpmath=sse")
endif()
