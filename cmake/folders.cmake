# The folders of src/ by floor: a folder includes and links only folders of lower floors.
# colour <- platform <- widgets <- archive, updowntext, picker, tools <- mainwindow.
set(HK_FOLDERS colour platform widgets archive updowntext picker tools mainwindow)
set(floor_colour 0)
set(floor_platform 1)
set(floor_widgets 2)
foreach(subsystem archive updowntext picker tools)
  set(floor_${subsystem} 3)
endforeach()
set(floor_mainwindow 4)
