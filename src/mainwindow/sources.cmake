list(APPEND HK_CORE_SOURCES
  src/mainwindow/colourstate.cpp
  src/mainwindow/colourdiagram.cpp
  src/mainwindow/preferences.cpp
)
list(APPEND HK_UI_SOURCES
  src/mainwindow/frmpickcolor.cpp
  src/mainwindow/frmpickcolor.h
  src/mainwindow/startup.cpp
  src/mainwindow/notationrows.cpp
  src/mainwindow/notationrows.h
  src/mainwindow/channeleditors.cpp
  src/mainwindow/channeleditors.h
  src/mainwindow/colourtablepanel.cpp
  src/mainwindow/colourtablepanel.h
  src/mainwindow/colourdisplay.cpp
  src/mainwindow/colourdisplay.h
  src/mainwindow/pictures.cpp
  src/mainwindow/pictures.h
  src/mainwindow/actionlabels.cpp
  src/mainwindow/actionlabels.h
  src/mainwindow/appicon.cpp
  src/mainwindow/appicon.h
  src/mainwindow/trayicon.cpp
  src/mainwindow/trayicon.h
)
