# Small helpers so that every subsystem folder declares its targets in a few lines.
#
#   tv_core_library(name SOURCES ... [DEPS ...])        no <windows.h>; built by every preset
#   tv_win_library(name SOURCES ... [DEPS ...] [LIBS ...])   Win32 code; Windows builds only
#   tv_unit_test(name SOURCES ... [DEPS ...])           GoogleTest; natively and under Wine
#   tv_win_test(name SOURCES ... [DEPS ...] [LIBS ...] [AT_DPI dpi...])  GoogleTest against the
#                                                       real Win32 API, under Wine
#   tv_e2e_test(name [REAL_INPUT] SOURCES ... [DEPS ...] [AT_DPI dpi...])  drives Tallyvane.exe from
#                                                       outside, under Wine
#
# The Windows tests (win, e2e) get a main() that refuses to run outside the harness's throw-away
# prefix. REAL_INPUT marks an end-to-end test that uses real mouse and keyboard input (label
# "input"): the only kind scripts/test.sh runs a second time when it fails, and says so.
#   tv_fuzz_target(name SOURCES ... [DEPS ...] CORPUS dir [SECONDS n])

set(TV_SRC_ROOT ${CMAKE_SOURCE_DIR}/src)

# Sanitizer findings end the process with an error, in the fuzz targets and the sanitized tests alike.
set(TV_SANITIZER_OPTIONS
    ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1)

if(TV_WINDOWS AND CMAKE_CROSSCOMPILING)
  # Test executables run under Wine inside the throw-away prefix that the wine_env fixture makes.
  set(TV_WINE_STATE ${CMAKE_BINARY_DIR}/wine-env)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tests/harness/wine-run.sh ${TV_WINE_STATE})
endif()

function(tv_core_library name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${TV_SRC_ROOT})
  if(A_DEPS)
    target_link_libraries(${name} PUBLIC ${A_DEPS})
  endif()
endfunction()

function(tv_win_library name)
  if(NOT TV_WINDOWS)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;DEPS;LIBS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${TV_SRC_ROOT})
  target_link_libraries(${name} PUBLIC ${A_DEPS} ${A_LIBS})
endfunction()

function(_tv_wine_test_properties test)
  if(TV_WINDOWS AND CMAKE_CROSSCOMPILING)
    set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED wine_env)
  endif()
endfunction()

function(tv_unit_test name)
  if(NOT TV_TESTS)
    return()
  endif()
  cmake_parse_arguments(A "" "TIMEOUT" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_DEPS} GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 600)
  endif()
  set_tests_properties(${name} PROPERTIES LABELS unit TIMEOUT ${A_TIMEOUT})
  if(TV_SANITIZE)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${TV_SANITIZER_OPTIONS}")
  endif()
  _tv_wine_test_properties(${name})
endfunction()

# One ctest entry per display scale (name_at_<dpi>), each run with the prefix's LogPixels set to
# it (tests/harness/at-dpi.sh); the entries' names go to out_var.
function(_tv_add_dpi_runs name out_var)
  set(tests "")
  foreach(dpi ${ARGN})
    add_test(NAME ${name}_at_${dpi}
             COMMAND ${CMAKE_SOURCE_DIR}/tests/harness/at-dpi.sh ${TV_WINE_STATE} ${dpi} $<TARGET_FILE:${name}>)
    list(APPEND tests ${name}_at_${dpi})
  endforeach()
  set(${out_var} ${tests} PARENT_SCOPE)
endfunction()

function(tv_win_test name)
  if(NOT TV_TESTS OR NOT TV_WINDOWS)
    return()
  endif()
  # AT_DPI: one run per display scale, as for the end-to-end tests (names name_at_<dpi>).
  cmake_parse_arguments(A "" "TIMEOUT" "SOURCES;DEPS;LIBS;AT_DPI" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_DEPS} ${A_LIBS} tv_guarded_test_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  set(tests ${name})
  if(A_AT_DPI)
    _tv_add_dpi_runs(${name} tests ${A_AT_DPI})
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 600)
  endif()
  # The registry, the desktop and the program folder are shared within one prefix: one at a time.
  foreach(test ${tests})
    set_tests_properties(${test} PROPERTIES LABELS win TIMEOUT ${A_TIMEOUT} RUN_SERIAL ON)
    _tv_wine_test_properties(${test})
  endforeach()
endfunction()

function(tv_e2e_test name)
  if(NOT TV_TESTS OR NOT TV_WINDOWS)
    return()
  endif()
  # WRAPPER: a script that prepares what the test needs outside Wine and runs it through the
  # harness, called with the Wine state, the test executable and a scratch folder of its own.
  # AT_DPI: one run per display scale (ctest names name_at_<dpi>), the prefix's LogPixels set
  # to it for the run and the value in TV_TEST_DPI.
  cmake_parse_arguments(A "REAL_INPUT" "TIMEOUT;WRAPPER" "SOURCES;DEPS;AT_DPI" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE tv_e2e_driver ${A_DEPS} tv_guarded_test_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  add_dependencies(${name} Tallyvane)
  set(tests ${name})
  if(A_AT_DPI)
    _tv_add_dpi_runs(${name} tests ${A_AT_DPI})
  elseif(A_WRAPPER)
    add_test(NAME ${name} COMMAND ${A_WRAPPER} ${TV_WINE_STATE} $<TARGET_FILE:${name}>
                                  ${CMAKE_CURRENT_BINARY_DIR}/${name}-scratch)
    set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 900)
  endif()
  set(labels e2e)
  if(A_REAL_INPUT)
    list(APPEND labels input)
  endif()
  foreach(test ${tests})
    set_tests_properties(${test} PROPERTIES LABELS "${labels}" TIMEOUT ${A_TIMEOUT} RUN_SERIAL ON)
    _tv_wine_test_properties(${test})
  endforeach()
endfunction()

function(tv_fuzz_target name)
  if(NOT TV_FUZZ)
    return()
  endif()
  cmake_parse_arguments(A "" "CORPUS;SECONDS;MAX_LEN" "SOURCES;DEPS" ${ARGN})
  if(NOT A_SECONDS)
    set(A_SECONDS 20)
  endif()
  if(NOT A_MAX_LEN)
    set(A_MAX_LEN 4096)
  endif()
  add_executable(${name} ${A_SOURCES})
  # Every finding stops the run: without these, undefined behaviour is reported and the run passes.
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
  target_link_libraries(${name} PRIVATE ${A_DEPS})
  # The kept corpus is copied so that the run may add to a scratch folder without touching the repository.
  add_test(NAME ${name}
           COMMAND ${CMAKE_COMMAND} -E env ${TV_SANITIZER_OPTIONS}
                   ${CMAKE_SOURCE_DIR}/tests/harness/fuzz-run.sh $<TARGET_FILE:${name}> ${A_CORPUS} ${A_SECONDS}
                   ${A_MAX_LEN})
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 600)
endfunction()

# tv_program(name update_source.cpp [startup_trace.cpp]): the program's executable, entry and
# resources included, with the one definition of ChooseUpdateSource it is built with, and of
# MarkStartupPhase (by default the program's own, which traces nothing). Resource scripts of any
# subsystem are collected with set_property(GLOBAL APPEND PROPERTY TV_APP_RESOURCES file.rc): they
# must be linked into the executable itself (a static library would drop them). Its own objects are
# the target name_objects, from which tv_link_program links it.
function(tv_program name update_source)
  get_property(entry GLOBAL PROPERTY TV_PROGRAM_ENTRY)
  get_property(resources GLOBAL PROPERTY TV_APP_RESOURCES)
  set(startup_trace ${ARGN})
  if(NOT startup_trace)
    set(startup_trace ${CMAKE_SOURCE_DIR}/src/app/StartupTraceOff.cpp)
  endif()
  add_library(${name}_objects OBJECT ${entry} ${update_source} ${startup_trace} ${resources})
  target_link_libraries(${name}_objects PUBLIC tv_app_main)
  # The version resource names the file it is linked into.
  target_compile_definitions(${name}_objects PRIVATE TV_PROGRAM_FILE=${name}.exe)
  tv_link_program(${name} ${name}_objects)
endfunction()

# tv_link_program(target objects): links a program from the objects of tv_program; the tests link
# Tallyvane.exe a second time into another folder to see the same bytes come out.
function(tv_link_program target objects)
  add_executable(${target} WIN32 $<TARGET_OBJECTS:${objects}>)
  target_link_libraries(${target} PRIVATE tv_app_main)
  if(NOT MSVC)
    # No link time stamp, so that one commit links to the same bytes; the release build carries no
    # symbol table (a player has no use for it, and it holds the builder's folder names).
    target_link_options(${target} PRIVATE -mwindows -Wl,--no-insert-timestamp $<$<CONFIG:Release>:-s>)
  endif()
endfunction()
