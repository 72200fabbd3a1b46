# The HLS picker's arithmetic: plane, bar, markers and value text.
list(APPEND HK_CORE_SOURCES
  src/tools/hlsplane.cpp
)
