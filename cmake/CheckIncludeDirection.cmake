# Fails when a source file includes from a folder it may not use. The folders of src/ form one
# direction, listed below from the bottom up; folders on one line share a rank and do not use each
# other. A folder uses itself and the folders of the lines before its own.
#   cmake -DTV_SRC_ROOT=<src> -P CheckIncludeDirection.cmake
set(tv_layers
  "platform"
  "stats,process,widgets/html"
  "widgets/button"
  "ui"
  "backup"
  "history"
  "app")

set(rank 0)
foreach(layer IN LISTS tv_layers)
  string(REPLACE "," ";" folders "${layer}")
  foreach(folder IN LISTS folders)
    set(tv_rank_${folder} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

# A file's folder is the folder it sits in, below src/.
function(tv_folder_of path out)
  get_filename_component(folder "${path}" DIRECTORY)
  set(${out} "${folder}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${TV_SRC_ROOT} ${TV_SRC_ROOT}/*.h ${TV_SRC_ROOT}/*.cpp)
set(violations 0)
foreach(source ${sources})
  tv_folder_of(${source} from)
  if(NOT DEFINED tv_rank_${from})
    message(SEND_ERROR "${source}: in no known folder")
    math(EXPR violations "${violations} + 1")
    continue()
  endif()
  file(STRINGS ${TV_SRC_ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line ${includes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" target "${line}")
    tv_folder_of(${target} to)
    if(to STREQUAL "" OR to STREQUAL from)
      continue()  # a file beside it, or a system header in quotes
    endif()
    if(NOT DEFINED tv_rank_${to})
      message(SEND_ERROR "${source}: includes \"${target}\" from no known folder")
      math(EXPR violations "${violations} + 1")
    elseif(NOT tv_rank_${to} LESS tv_rank_${from})
      message(SEND_ERROR "${source}: includes \"${target}\"; ${from} may not use ${to}")
      math(EXPR violations "${violations} + 1")
    endif()
  endforeach()
endforeach()
if(violations GREATER 0)
  message(FATAL_ERROR "${violations} include(s) against the direction of the folders")
endif()
list(LENGTH sources count)
message(STATUS "Includes of ${count} files follow the direction of the folders")
