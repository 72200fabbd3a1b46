# The number base converter: its conversions (plain C++) and its window.
list(APPEND HK_CORE_SOURCES
  src/tools/hexconv.cpp
)
list(APPEND HK_UI_SOURCES
  src/tools/fmhex.cpp
)
