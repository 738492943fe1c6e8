zt_core_sources(face/region_format.cpp face/hand_geometry.cpp face/skin_image.cpp
                face/info_line.cpp face/hand_outline.cpp face/hand_paint.cpp)
zt_win_sources(face/region.cpp face/clock_image.cpp face/hands.cpp face/face_settings.cpp
               face/info_stats.cpp)
zt_win_libs(advapi32)
# The outlines depend on single/double rounding; x87 excess precision
# would move points by a pixel.
if(WIN32)
  set_source_files_properties(face/hand_geometry.cpp PROPERTIES COMPILE_OPTIONS "-msse2;-mfpmath=sse")
endif()
# For processors and systems without SSE2, the same built for the x87 unit.
if(WIN32 AND CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  zt_core_sources(face/hand_geometry_x87.cpp)
endif()
# The outlines' square roots as the processor's own instruction: nothing
# here reads errno.
set_source_files_properties(face/hand_outline.cpp PROPERTIES COMPILE_OPTIONS -fno-math-errno)
# Anti-Grain Geometry's containers allocate with malloc (face/agg), so
# that operator new and the C++ library's exceptions stay out of the program.
set_source_files_properties(face/hand_paint.cpp PROPERTIES COMPILE_DEFINITIONS AGG_CUSTOM_ALLOCATOR
                            INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}/face/agg)
# Anti-Grain Geometry shifts negative coverage to the left, which C++20
# defines and every compiler does as it says; the sanitizers check the rest.
if(NOT WIN32)
  set_source_files_properties(face/hand_paint.cpp PROPERTIES COMPILE_OPTIONS -fno-sanitize=shift-base)
else()
  # The painter's loops run every frame: speed before size here.
  set_source_files_properties(face/hand_paint.cpp PROPERTIES COMPILE_OPTIONS -O2)
endif()
