# Generated pictures and the default data folder, then the resource script.
set(ZT_ASSET_DIR ${CMAKE_BINARY_DIR}/assets)
set(ZT_DATA_DIR ${CMAKE_BINARY_DIR}/data)
set(ZT_ASSETS face.bmp skinfolder.bmp menu_find.bmp menu_sound.bmp clock.ico letter.ico)
list(TRANSFORM ZT_ASSETS PREPEND ${ZT_ASSET_DIR}/ OUTPUT_VARIABLE ZT_ASSET_FILES)
add_custom_command(OUTPUT ${ZT_ASSET_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZT_ASSET_DIR}
  COMMAND ${ZT_HOST_TOOLS}/zt_assets ${ZT_ASSET_DIR}
  DEPENDS ${ZT_HOST_TOOLS}/zt_assets
  COMMENT "Drawing the program's pictures")

add_custom_command(OUTPUT ${ZT_DATA_DIR}/ZENTICK.rgn
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZT_DATA_DIR}
  COMMAND ${ZT_HOST_TOOLS}/zt_region disc ${ZT_DATA_DIR}/ZENTICK.rgn
  DEPENDS ${ZT_HOST_TOOLS}/zt_region
  COMMENT "Making the default region file")
add_custom_target(zt_data DEPENDS ${ZT_DATA_DIR}/ZENTICK.rgn)

add_library(zt_res OBJECT ${CMAKE_SOURCE_DIR}/res/zentick.rc)
target_include_directories(zt_res PRIVATE ${ZT_ASSET_DIR} ${CMAKE_SOURCE_DIR}/res)
set_source_files_properties(${CMAKE_SOURCE_DIR}/res/zentick.rc PROPERTIES
  OBJECT_DEPENDS "${ZT_ASSET_FILES}")
add_custom_target(zt_assets_gen DEPENDS ${ZT_ASSET_FILES})
add_dependencies(zt_res zt_assets_gen)
