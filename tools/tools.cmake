# Host tools: the asset generator, the region maker and the skin maker,
# over one library of drawn pictures and file builders that the tests use
# as well.
add_library(zt_pictures STATIC tools/assets/canvas.cpp tools/assets/face.cpp
            tools/skin/sample_faces.cpp tools/skin/skin_pack.cpp tools/region/disc.cpp)
target_link_libraries(zt_pictures zt_core)
add_executable(zt_assets tools/assets/main.cpp tools/assets/clock_icon.cpp
               tools/assets/letter_icon.cpp tools/assets/menu_images.cpp
               tools/assets/skin_folder.cpp)
target_link_libraries(zt_assets zt_pictures)
add_executable(zt_region tools/region/main.cpp)
target_link_libraries(zt_region zt_pictures)
add_executable(zt_skin tools/skin/main.cpp)
target_link_libraries(zt_skin zt_pictures)
add_executable(zt_skin_faces tools/skin/faces_main.cpp)
target_link_libraries(zt_skin_faces zt_pictures)
