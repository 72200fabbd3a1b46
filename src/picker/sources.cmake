list(APPEND HK_CORE_SOURCES
  src/picker/screencapture.cpp
  src/picker/picksession.cpp
  src/picker/zoomlayout.cpp
  src/picker/bmpfile.cpp
)
