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
# Sample skins: faces drawn by the project, packed by the skin maker.
set(ZT_SKIN_DIR ${CMAKE_BINARY_DIR}/skin_faces)
set(ZT_SAMPLE_SKINS
  "porcelain|白磁 ― 駅の時計|Zentick 制作班"
  "night_sakura|夜桜|Zentick 制作班"
  "young_leaves|若葉の季節|Zentick 制作班")
set(ZT_SKIN_FACES)
set(ZT_SKIN_FILES)
foreach(entry ${ZT_SAMPLE_SKINS})
  string(REPLACE "|" ";" fields "${entry}")
  list(GET fields 0 name)
  list(GET fields 1 title)
  list(GET fields 2 author)
  list(APPEND ZT_SKIN_FACES ${ZT_SKIN_DIR}/${name}.bmp)
  list(APPEND ZT_SKIN_FILES ${ZT_DATA_DIR}/${name}.qkb)
  add_custom_command(OUTPUT ${ZT_DATA_DIR}/${name}.qkb
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZT_DATA_DIR}
    COMMAND ${ZT_HOST_TOOLS}/zt_skin pack ${ZT_SKIN_DIR}/${name}.bmp "${title}" "${author}"
            ${ZT_DATA_DIR}/${name}.qkb
    DEPENDS ${ZT_HOST_TOOLS}/zt_skin ${ZT_SKIN_DIR}/${name}.bmp
    COMMENT "Packing the sample skin ${name}.qkb")
endforeach()
add_custom_command(OUTPUT ${ZT_SKIN_FACES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZT_SKIN_DIR}
  COMMAND ${ZT_HOST_TOOLS}/zt_skin_faces ${ZT_SKIN_DIR}
  DEPENDS ${ZT_HOST_TOOLS}/zt_skin_faces
  COMMENT "Drawing the sample skins' faces")
add_custom_target(zt_data DEPENDS ${ZT_DATA_DIR}/ZENTICK.rgn ${ZT_SKIN_FILES})

add_library(zt_res OBJECT ${CMAKE_SOURCE_DIR}/res/zentick.rc)
target_include_directories(zt_res PRIVATE ${ZT_ASSET_DIR} ${CMAKE_SOURCE_DIR}/res)
# The resource compiler names no included files: the script's parts are listed.
file(GLOB ZT_RC_PARTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/*.rc ${CMAKE_SOURCE_DIR}/res/*.h)
set_source_files_properties(${CMAKE_SOURCE_DIR}/res/zentick.rc PROPERTIES
  OBJECT_DEPENDS "${ZT_ASSET_FILES};${CMAKE_SOURCE_DIR}/res/zentick.manifest;${ZT_RC_PARTS}")
add_custom_target(zt_assets_gen DEPENDS ${ZT_ASSET_FILES})
add_dependencies(zt_res zt_assets_gen)
