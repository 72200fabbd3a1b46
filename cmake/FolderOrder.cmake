# Fails the build when a source file includes a folder that does not lie below its own:
# colour <- platform <- widgets <- archive, updowntext, picker, tools <- mainwindow.
# The four subsystems of one floor never include each other.
#   cmake -DSRC=<the src folder> -P FolderOrder.cmake
set(floor_colour 0)
set(floor_platform 1)
set(floor_widgets 2)
set(floor_archive 3)
set(floor_updowntext 3)
set(floor_picker 3)
set(floor_tools 3)
set(floor_mainwindow 4)

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
