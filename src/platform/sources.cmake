list(APPEND HK_UI_SOURCES
  src/platform/twips.h
  src/platform/messages.cpp
  src/platform/messages.h
)
list(APPEND HK_UI_SOURCES
  src/platform/colours.cpp
  src/platform/colours.h
)
