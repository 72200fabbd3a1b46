list(APPEND HK_CORE_SOURCES
  src/archive/archiverecord.cpp
  src/archive/colourarchive.cpp
  src/archive/recordlist.cpp
  src/archive/archiveindex.cpp
  src/archive/padmodel.cpp
  src/archive/colourtable.cpp
  src/archive/colorsearch.cpp
  src/archive/jsonvalue.cpp
  src/archive/palettefile.cpp
  src/archive/palettetransfer.cpp
)
list(APPEND HK_UI_SOURCES
  src/archive/savedcoloursmodel.cpp
  src/archive/savedcoloursmodel.h
  src/archive/padwidget.cpp
  src/archive/padwidget.h
  src/archive/palettecommand.cpp
  src/archive/palettecommand.h
)
