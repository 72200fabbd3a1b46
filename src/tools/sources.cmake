# The HLS picker: its arithmetic in the core, the dialog in the UI.
list(APPEND HK_CORE_SOURCES
  src/tools/hlsplane.cpp
)
list(APPEND HK_UI_SOURCES
  src/tools/frmhls.cpp
  src/tools/frmhls.h
)
