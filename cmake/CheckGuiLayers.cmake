cmake_policy(VERSION 3.25)
# Fails when a file of one window folder includes a header of a folder above
# it: widgets use nothing of the program's own, pictures and budgets build on
# widgets, each tab on those three, and the main window on everything.
# Run with -DCHECKED_DIR=<src/gui>.
set(allowed_widgets "widgets")
set(allowed_pictures "widgets;pictures")
set(allowed_budget "widgets;budget")
set(allowed_forge "widgets;pictures;budget;forge")
set(allowed_refine "widgets;pictures;budget;refine")

set(failures "")
foreach(folder widgets pictures budget forge refine)
  file(GLOB sources "${CHECKED_DIR}/${folder}/*.h" "${CHECKED_DIR}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^#include \"gui/")
    foreach(line IN LISTS includes)
      string(REGEX MATCH "\"gui/([a-z_]+)/" _ "${line}")
      set(target "${CMAKE_MATCH_1}")
      if(target STREQUAL "" OR NOT target IN_LIST allowed_${folder})
        string(APPEND failures "\n  ${source}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(failures)
  message(FATAL_ERROR "A window folder includes a header above its layer:${failures}")
endif()
