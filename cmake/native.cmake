# Host build: platform-free code, its tests under the sanitizers, the
# asset generators and, with clang, the fuzz targets.
option(ZT_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
option(ZT_SANITIZE "Build with AddressSanitizer and UBSan" ON)

if(ZT_SANITIZE)
  set(ZT_SAN_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${ZT_SAN_FLAGS})
  add_link_options(${ZT_SAN_FLAGS})
endif()
add_compile_options(-Wall -Wextra -g)
# Text literals in code page 932, as in the program itself (GCC; clang,
# which builds the fuzz targets, knows only UTF-8).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-fexec-charset=CP932)
endif()

add_library(zt_core STATIC ${ZT_CORE_SOURCES})
target_include_directories(zt_core PUBLIC ${CMAKE_SOURCE_DIR})

include(tools/tools.cmake)

if(ZT_FUZZ)
  # The code under test reports its coverage too, so the fuzzers follow it.
  target_compile_options(zt_core PRIVATE -fsanitize=fuzzer-no-link)
  file(GLOB ZT_FUZZERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
  set(ZT_FUZZ_SECONDS 10 CACHE STRING "Seconds each fuzz target runs under ctest")
  foreach(src ${ZT_FUZZERS})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} zt_core)
    set(corpus ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
    set(work ${CMAKE_BINARY_DIR}/fuzz-work/${name})
    file(MAKE_DIRECTORY ${work})
    add_test(NAME ${name}
      COMMAND ${name} -max_total_time=${ZT_FUZZ_SECONDS} -timeout=5 -rss_limit_mb=1024
              -artifact_prefix=${CMAKE_BINARY_DIR}/fuzz-crash- ${work} ${corpus})
  endforeach()
else()
  find_package(GTest REQUIRED)
  include(GoogleTest)
  file(GLOB ZT_NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
  add_executable(native_tests ${ZT_NATIVE_TESTS})
  target_link_libraries(native_tests zt_pictures GTest::gtest_main)
  # The sources themselves, for the tests that read them.
  target_compile_definitions(native_tests PRIVATE ZT_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  gtest_discover_tests(native_tests TEST_PREFIX native.)
endif()

# Both Windows builds load on every system the program names: nothing in
# their import tables is newer than Windows 98 and NT 4.0 both have.
if(NOT ZT_FUZZ)
  # Includes run down the layers, and no files call or include each other
  # in a circle.
  add_test(NAME layers.IncludesRunDownTheLayers
    COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/layers/layers.py ${CMAKE_SOURCE_DIR})
  add_test(NAME layers.NoFilesCallEachOtherInACircle
    COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/layers/circles.py ${CMAKE_SOURCE_DIR})
  add_test(NAME imports.OnlyCallsOlderWindowsHave
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/imports/check.sh
            ${CMAKE_BINARY_DIR}/../win-i686/Zentick.exe ${CMAKE_BINARY_DIR}/../win-x86_64/Zentick.exe)
  # Both carry the manifest that makes today's Windows treat them as its own.
  add_test(NAME imports.BothProgramsCarryTheManifest
    COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/imports/manifest.py
            ${CMAKE_BINARY_DIR}/../win-i686/Zentick.exe ${CMAKE_BINARY_DIR}/../win-x86_64/Zentick.exe)
endif()
