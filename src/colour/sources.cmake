list(APPEND HK_CORE_SOURCES
  src/colour/longcolour.cpp
  src/colour/modcmyk.cpp
  src/colour/modhslv.cpp
  src/colour/webcolors.cpp
  src/colour/numbers.cpp
  src/colour/notations.cpp
  src/colour/ansitext.cpp
)
