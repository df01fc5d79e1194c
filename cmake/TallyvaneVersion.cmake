# The program's version. Major and minor come from project() in the top-level CMakeLists.txt, the
# one place that holds them; the build number and the build date come from the commit being built
# (its number of commits and its date), so every build of one commit carries the same numbers and
# bytes. Outside git the build number is 0 and the date 1980-01-01, the earliest a zip entry holds.
# SOURCE_DATE_EPOCH in the environment overrides the date, as for any reproducible build.
set(TV_VERSION_PATCH 0)
if(NOT "${PROJECT_VERSION_PATCH}" STREQUAL "")
  set(TV_VERSION_PATCH ${PROJECT_VERSION_PATCH})
endif()
set(TV_BUILD_NUMBER 0)
set(TV_SOURCE_DATE_EPOCH 315532800)

find_package(Git QUIET)
if(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-list --count HEAD
                  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} RESULT_VARIABLE rc OUTPUT_VARIABLE count
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(rc EQUAL 0 AND count MATCHES "^[0-9]+$")
    set(TV_BUILD_NUMBER ${count})
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE TV_SOURCE_DATE_EPOCH
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    # A new commit changes both: configure again when HEAD moves.
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --absolute-git-dir
                    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE git_dir OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(EXISTS ${git_dir}/logs/HEAD)
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${git_dir}/logs/HEAD)
    endif()
  endif()
endif()
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(TV_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
endif()
# The file version's four parts: major.minor.patch.build.
set(TV_FILE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${TV_VERSION_PATCH}.${TV_BUILD_NUMBER})

foreach(header Version BuildNumber)
  configure_file(${CMAKE_SOURCE_DIR}/src/app/${header}.h.in ${CMAKE_BINARY_DIR}/generated/app/${header}.h @ONLY)
endforeach()
