list(APPEND HK_CORE_SOURCES
  src/picker/screencapture.cpp
  src/picker/picksession.cpp
  src/picker/zoomlayout.cpp
  src/picker/bmpfile.cpp
  src/picker/x11pixels.cpp
  src/picker/portalanswer.cpp
)
list(APPEND HK_UI_SOURCES
  src/picker/magnifier.cpp
  src/picker/magnifier.h
  src/picker/eyedropper.cpp
  src/picker/eyedropper.h
  src/picker/screenpicker.cpp
  src/picker/screenpicker.h
  src/picker/keyboardpick.cpp
  src/picker/keyboardpick.h
  src/picker/capturefile.cpp
  src/picker/capturefile.h
  src/picker/x11screensource.cpp
  src/picker/x11screensource.h
  src/picker/portalpicker.cpp
  src/picker/portalpicker.h
)
list(APPEND HK_UI_SOURCES
  src/picker/commandlinepick.cpp
  src/picker/commandlinepick.h
)
