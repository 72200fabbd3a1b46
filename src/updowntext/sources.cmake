list(APPEND HK_CORE_SOURCES
  src/updowntext/updowntextmodel.cpp
  src/updowntext/updowntextprops.cpp
)
