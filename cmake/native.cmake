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
# Fuzzing pays for every instruction of every run: optimised, as libFuzzer
# expects, the sanitizers and the coverage still whole.
if(ZT_FUZZ)
  add_compile_options(-O1)
endif()
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
  set(ZT_FUZZ_SECONDS 10 CACHE STRING "Seconds each fuzz target runs under ctest")
  # One target: tests/fuzz/NAME.cpp, its seeds in tests/fuzz/corpus/NAME/,
  # tests/fuzz/NAME.dict when there is one, and the libFuzzer options
  # given. Each run ends with the target's figures (tools/fuzz_target.sh).
  function(zt_fuzz_target name)
    add_executable(${name} ${CMAKE_SOURCE_DIR}/tests/fuzz/${name}.cpp)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} zt_core)
    set(options -max_total_time=${ZT_FUZZ_SECONDS} -timeout=5 -rss_limit_mb=1024
                -artifact_prefix=${CMAKE_BINARY_DIR}/fuzz-crash- ${ARGN})
    set(dict ${CMAKE_SOURCE_DIR}/tests/fuzz/${name}.dict)
    if(EXISTS ${dict})
      list(APPEND options -dict=${dict})
    endif()
    set(work ${CMAKE_BINARY_DIR}/fuzz-work/${name})
    file(MAKE_DIRECTORY ${work})
    add_test(NAME ${name}
      COMMAND bash ${CMAKE_SOURCE_DIR}/tools/fuzz_target.sh $<TARGET_FILE:${name}> ${options}
              ${work} ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
  endfunction()
  zt_fuzz_target(bmp_header_fuzz)
  # Three of the longest lines an event file keeps.
  zt_fuzz_target(event_line_fuzz -max_len=1024)
  # A dialogue of a few replies, or an account file of a few lines.
  zt_fuzz_target(mail_fuzz -max_len=2048)
  zt_fuzz_target(position_rule_fuzz)
  zt_fuzz_target(region_fuzz)
  # A skin's picture is always 200 by 200: at one bit a pixel it fits 6000 bytes,
  # deeper ones run-length encoded.
  zt_fuzz_target(skin_image_fuzz -max_len=6000)
  zt_fuzz_target(skin_texts_fuzz)
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
