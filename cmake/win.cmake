# Cross build: Zentick.exe, its resources and data folder, and the tests
# that run under Wine.
set(ZT_HOST_TOOLS "" CACHE PATH "Folder of the host-built asset generators")
if(NOT EXISTS "${ZT_HOST_TOOLS}/zt_assets")
  message(FATAL_ERROR "ZT_HOST_TOOLS must name the native build's tools folder")
endif()

# One optimisation level per target: size for the program, speed for tests.
set(CMAKE_C_FLAGS_RELEASE "-DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE "-DNDEBUG")
# No -fdata-sections: with it MinGW's GCC puts zero-filled statics into
# sections of initialised data, stored in the file (9 KB for the mail job).
add_compile_options(-Wall -Wextra -fexec-charset=CP932 -ffunction-sections)
add_compile_definitions(STRICT NOMINMAX)
set(ZT_STATIC_LINK -static -static-libgcc -static-libstdc++)

add_library(zt_core STATIC ${ZT_CORE_SOURCES})
target_include_directories(zt_core PUBLIC ${CMAKE_SOURCE_DIR})
# The program uses no exceptions: no unwind tables for its own code.
set(ZT_LEAN -fno-exceptions -fno-asynchronous-unwind-tables -Os)
target_compile_options(zt_core PRIVATE ${ZT_LEAN})

include(res/res.cmake)

add_library(zt_win STATIC ${ZT_WIN_SOURCES})
target_link_libraries(zt_win PUBLIC zt_core ${ZT_WIN_LIBS})
target_compile_options(zt_win PRIVATE ${ZT_LEAN})

add_executable(Zentick WIN32 shell/main.cpp $<TARGET_OBJECTS:zt_res>)
target_link_libraries(Zentick zt_win)
# No link time in the header: the same tree gives the same program.
target_link_options(Zentick PRIVATE ${ZT_STATIC_LINK} -s -Wl,--gc-sections -Wl,--no-insert-timestamp)
add_dependencies(Zentick zt_data)

# Tests: GoogleTest built with the cross compiler.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(ZT_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources (Debian's googletest package)")
add_subdirectory(${ZT_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# Test programs run through a script that tells Wine failing to start
# from a test failing.
set(CMAKE_CROSSCOMPILING_EMULATOR bash ${CMAKE_SOURCE_DIR}/tests/support/wine_run.sh
    ${CMAKE_CROSSCOMPILING_EMULATOR})
function(zt_wine_test_program name)
  file(GLOB support CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
  # Test bitmaps and skins come from the same builders as the shipped ones.
  list(APPEND support ${CMAKE_SOURCE_DIR}/tools/assets/canvas.cpp
       ${CMAKE_SOURCE_DIR}/tools/skin/skin_pack.cpp)
  add_executable(${name} ${ARGN} ${support} $<TARGET_OBJECTS:zt_res>)
  # The tests call the libraries the program loads later themselves.
  target_link_libraries(${name} zt_win gtest_main comctl32 comdlg32 ole32 rasapi32 shell32 winmm wsock32)
  target_link_options(${name} PRIVATE ${ZT_STATIC_LINK})
  target_compile_options(${name} PRIVATE -O2)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  target_compile_definitions(${name} PRIVATE
    ZT_BUILD_DIR="${CMAKE_BINARY_DIR}" ZT_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  add_dependencies(${name} Zentick)
endfunction()
function(zt_wine_tests name dir)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${dir}/*.cpp)
  zt_wine_test_program(${name} ${srcs})
  # One process per test: tests that bring up the clock need a fresh one.
  gtest_add_tests(TARGET ${name} SOURCES ${srcs} TEST_PREFIX ${dir}. TEST_LIST added)
  # A test that does not apply to this architecture says so as skipped.
  set_tests_properties(${added} PROPERTIES TIMEOUT 120 RUN_SERIAL ON
                       SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
  # Two shards, taken in turn: tools/test.sh runs them at once, each on a
  # display and Wine prefix of its own.
  set(shard 1)
  foreach(test ${added})
    set_tests_properties(${test} PROPERTIES LABELS shard${shard})
    math(EXPR shard "3 - ${shard}")
  endforeach()
endfunction()
zt_wine_tests(win_tests win)
zt_wine_tests(e2e_tests e2e)
# The tests of the program's texts and paths, which read and type as
# UTF-16, run once more under a Western locale, code page 1252 instead of
# 932 (tools/test.sh, label "text").
set_property(TEST
  e2e.CodePages.MailTextsReadAsWrittenOnEveryCodePage
  e2e.CodePages.SkinEventAndTrayTextsReadAsWrittenOnEveryCodePage
  e2e.CodePages.ClockStartsFromFoldersNamedInAnyScriptAndReadsItsSkin
  win.CodePages.ChimeAndEventFilesOfAFolderNamedInEveryScript
  e2e.MailDialogs.ValidationMessagesInTheirOrderAndNothingStoredUntilValid
  e2e.MailDialogs.EditAndDeleteKeepTheOtherLinesAndCancelStillSaves
  APPEND PROPERTY LABELS text)
# Run by the release checks (tests/release) on the clock unpacked from a zip.
zt_wine_test_program(unpacked_tests ${CMAKE_SOURCE_DIR}/tests/release/unpacked_test.cpp)
target_link_libraries(unpacked_tests version)

# Benchmarks, run by bench/run.sh.
add_executable(zt_probe bench/probe.cpp)
target_link_options(zt_probe PRIVATE ${ZT_STATIC_LINK})
target_include_directories(zt_probe PRIVATE ${CMAKE_SOURCE_DIR})
add_executable(zt_floor WIN32 bench/floor.cpp)
target_link_options(zt_floor PRIVATE ${ZT_STATIC_LINK})
add_executable(redraw_bench bench/redraw_bench.cpp $<TARGET_OBJECTS:zt_res>)
target_link_libraries(redraw_bench zt_win)
target_link_options(redraw_bench PRIVATE ${ZT_STATIC_LINK})

add_executable(zt_preview_bench bench/preview_bench.cpp)
target_link_libraries(zt_preview_bench zt_win)
target_link_options(zt_preview_bench PRIVATE ${ZT_STATIC_LINK})

# A script that prepares something before the tests that need it and
# takes it away after them, whatever they gave: SCRIPT setup|cleanup BUILD.
function(zt_script_fixture fixture script)
  add_test(NAME ${fixture}_setup COMMAND bash ${script} setup ${CMAKE_BINARY_DIR})
  add_test(NAME ${fixture}_cleanup COMMAND bash ${script} cleanup ${CMAKE_BINARY_DIR})
  set_tests_properties(${fixture}_setup PROPERTIES FIXTURES_SETUP ${fixture})
  set_tests_properties(${fixture}_cleanup PROPERTIES FIXTURES_CLEANUP ${fixture})
  # What a fixture prepares is one for the whole host: its tests share a shard.
  set_tests_properties(${ARGN} PROPERTIES FIXTURES_REQUIRED ${fixture} LABELS shard1)
endfunction()
# The read-only data folder: a bind mount.
zt_script_fixture(faults.readonly ${CMAKE_SOURCE_DIR}/tests/fault/readonly.sh
  e2e.FaultReadOnly.OneMessageAtStartThenWritesFailQuietlyAndEveryFileIsKept
  win.FaultEvents.ReadOnlyDataFolderRunsOnlyTheRepeatingEventsAndSaysWhy)
# The TLS mail test's own authority, trusted by the host only around it.
zt_script_fixture(mail.test_ca ${CMAKE_SOURCE_DIR}/tools/pop3/test_ca.sh
  e2e.MailPop3.TlsServersFillTheNoticeAndCertificateFaultsSendNoPassword
  e2e.MailPop3.ServerThatDroppedSTLSGetsNoPasswordUntilTheUserForgetsIt)
