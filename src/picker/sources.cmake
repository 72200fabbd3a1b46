list(APPEND HK_CORE_SOURCES
  src/picker/screencapture.cpp
  src/picker/picksession.cpp
  src/picker/zoomlayout.cpp
  src/picker/bmpfile.cpp
)
list(APPEND HK_UI_SOURCES
  src/picker/portalpicker.cpp
  src/picker/portalpicker.h
)
