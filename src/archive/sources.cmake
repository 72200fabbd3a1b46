list(APPEND HK_CORE_SOURCES
  src/archive/archiverecord.cpp
  src/archive/colourarchive.cpp
  src/archive/padmodel.cpp
  src/archive/colourtable.cpp
)
