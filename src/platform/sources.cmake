list(APPEND HK_UI_SOURCES
  src/platform/twips.h
  src/platform/messages.cpp
  src/platform/messages.h
)
list(APPEND HK_UI_SOURCES
  src/platform/colours.cpp
  src/platform/colours.h
)
list(APPEND HK_UI_SOURCES
  src/platform/fonts.cpp
  src/platform/fonts.h
)
list(APPEND HK_CORE_SOURCES
  src/platform/filewrite.cpp
)
