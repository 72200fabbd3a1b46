# Measure tool
list(APPEND HK_CORE_SOURCES
  src/tools/measure.cpp
)
list(APPEND HK_UI_SOURCES
  src/tools/frmmeasure.cpp
  src/tools/frmmeasure.h
  src/tools/modtransluency.cpp
  src/tools/modtransluency.h
  src/tools/compositor.h
)
# The HLS picker: its arithmetic in the core, the dialog in the UI.
list(APPEND HK_CORE_SOURCES
  src/tools/hlsplane.cpp
)
list(APPEND HK_UI_SOURCES
  src/tools/frmhls.cpp
  src/tools/frmhls.h
)
# The number base converter: its conversions (plain C++) and its window.
list(APPEND HK_CORE_SOURCES
  src/tools/hexconv.cpp
)
list(APPEND HK_UI_SOURCES
  src/tools/fmhex.cpp
  src/tools/fmhex.h
)
