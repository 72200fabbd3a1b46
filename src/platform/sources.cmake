list(APPEND HK_UI_SOURCES
  src/platform/twips.h
  src/platform/messages.cpp
  src/platform/messages.h
)
list(APPEND HK_UI_SOURCES
  src/platform/colours.cpp
  src/platform/colours.h
)
list(APPEND HK_CORE_SOURCES
  src/platform/filewrite.cpp
  src/platform/unixfile.cpp
)
list(APPEND HK_CORE_SOURCES
  src/platform/commandline.cpp
)
list(APPEND HK_UI_SOURCES
  src/platform/fontwarmup.cpp
  src/platform/fontwarmup.h
)
list(APPEND HK_UI_SOURCES
  src/platform/singleinstance.cpp
  src/platform/singleinstance.h
)
list(APPEND HK_UI_SOURCES
  src/platform/programfolder.cpp
  src/platform/programfolder.h
  src/platform/quitsignals.cpp
  src/platform/quitsignals.h
)
list(APPEND HK_UI_SOURCES
  src/platform/settings.h
  src/platform/settingsstore.cpp
  src/platform/settingsstore.h
)
list(APPEND HK_UI_SOURCES
  src/platform/qtdialogs.cpp
  src/platform/qtdialogs.h
)
list(APPEND HK_UI_SOURCES
  src/platform/caretrest.cpp
  src/platform/caretrest.h
)
list(APPEND HK_UI_SOURCES
  src/platform/designedsize.cpp
  src/platform/designedsize.h
)
