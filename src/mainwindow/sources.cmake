list(APPEND HK_CORE_SOURCES
  src/mainwindow/colourstate.cpp
  src/mainwindow/colourdiagram.cpp
  src/mainwindow/preferences.cpp
)
list(APPEND HK_UI_SOURCES
  src/mainwindow/frmpickcolor.cpp
  src/mainwindow/frmpickcolor.h
  src/mainwindow/currentcolour.cpp
  src/mainwindow/colourmodes.cpp
  src/mainwindow/colourdisplay.cpp
  src/mainwindow/colourdisplay.h
  src/mainwindow/colourtableui.cpp
  src/mainwindow/startup.cpp
  src/mainwindow/pickerui.cpp
  src/mainwindow/actionlabels.cpp
  src/mainwindow/actionlabels.h
  src/mainwindow/appicon.cpp
  src/mainwindow/appicon.h
  src/mainwindow/trayicon.cpp
  src/mainwindow/trayicon.h
  src/mainwindow/windowactions.cpp
  src/mainwindow/searchui.cpp
)
