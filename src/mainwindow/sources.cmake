list(APPEND HK_UI_SOURCES
  src/mainwindow/frmpickcolor.cpp
  src/mainwindow/frmpickcolor.h
)
