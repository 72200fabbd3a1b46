list(APPEND HK_CORE_SOURCES
  src/updowntext/updowntextmodel.cpp
  src/updowntext/updowntextprops.cpp
)
list(APPEND HK_UI_SOURCES
  src/updowntext/updowntext.cpp
  src/updowntext/updowntext.h
  src/updowntext/updowntextfont.cpp
  src/updowntext/updowntextfont.h
)
