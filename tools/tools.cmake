# Host tools: the asset generator, the region maker and the skin maker.
file(GLOB ZT_ASSET_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/assets/*.cpp)
add_executable(zt_assets ${ZT_ASSET_SOURCES})
target_link_libraries(zt_assets zt_core)
add_executable(zt_region tools/region/main.cpp)
target_link_libraries(zt_region zt_core)
