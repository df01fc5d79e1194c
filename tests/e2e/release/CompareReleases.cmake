# Two links and two packagings of one build give the same bytes, and the program carries no link
# time stamp (two links within one second would hide one).
#   cmake -DFIRST=<dir> -DSECOND=<dir> -DFIRST_EXE=<exe> -DSECOND_EXE=<exe> -P CompareReleases.cmake
file(GLOB released RELATIVE ${FIRST} ${FIRST}/*)
if(NOT released MATCHES "^SHA256SUMS;Tallyvane-[^;]+-setup.exe;Tallyvane-[^;]+-win64.zip$")
  message(SEND_ERROR "not the release's three files in ${FIRST}: ${released}")
endif()
foreach(pair "${FIRST_EXE};${SECOND_EXE}" ${released})
  if(NOT pair MATCHES ";")
    set(pair "${FIRST}/${pair};${SECOND}/${pair}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${pair} RESULT_VARIABLE differ)
  if(differ)
    message(SEND_ERROR "different bytes: ${pair}")
  endif()
endforeach()
# TimeDateStamp: four bytes 8 after the "PE\0\0" signature, which e_lfanew (at 60) points to.
file(READ ${FIRST_EXE} hex OFFSET 60 LIMIT 4 HEX)
string(REGEX REPLACE "(..)(..)(..)(..)" "0x\\4\\3\\2\\1" hex "${hex}")
math(EXPR stamp_offset "${hex} + 8")
file(READ ${FIRST_EXE} stamp OFFSET ${stamp_offset} LIMIT 4 HEX)
if(NOT stamp STREQUAL "00000000")
  message(SEND_ERROR "${FIRST_EXE} carries a link time stamp: ${stamp}")
endif()
