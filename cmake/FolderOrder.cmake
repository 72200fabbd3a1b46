# Fails the build when a source file includes a folder that does not lie below its own
# (cmake/folders.cmake); the subsystems of one floor never include each other.
#   cmake -DSRC=<the src folder> -P FolderOrder.cmake
include(${CMAKE_CURRENT_LIST_DIR}/folders.cmake)

file(GLOB_RECURSE sources RELATIVE ${SRC} ${SRC}/*/*.h ${SRC}/*/*.cpp)
set(wrong)
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[a-z]+" folder ${source})
  file(STRINGS ${SRC}/${source} includes REGEX "^#include \"[a-z]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" target ${line})
    if(NOT target STREQUAL folder AND
       (NOT DEFINED floor_${target} OR NOT floor_${target} LESS floor_${folder}))
      list(APPEND wrong "  src/${source}: ${line}")
    endif()
  endforeach()
endforeach()
if(wrong)
  list(JOIN wrong "\n" wrong)
  message(FATAL_ERROR "Folders include only the folders below them; these look up or sideways:\n${wrong}")
endif()
