list(APPEND HK_UI_SOURCES
  src/widgets/plainlabel.cpp
  src/widgets/plainlabel.h
  src/widgets/designfont.cpp
  src/widgets/designfont.h
  src/widgets/keybutton.cpp
  src/widgets/keybutton.h
  src/widgets/stickypin.cpp
  src/widgets/stickypin.h
  src/widgets/widgets.cpp
  src/widgets/widgets.h
)
