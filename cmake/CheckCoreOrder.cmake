cmake_policy(VERSION 3.25)
# Fails when a file of the calculation core includes a core header that comes
# after it in the core's order: numbers and money texts first, then budgets,
# then forging, then refining, then the price book. A file may include its
# own header and any before it, so no two files can include each other.
# Run with -DCHECKED_DIR=<src/core>.
set(order message result text extended numbers typed_sum money_text money_axis rules budget forge_input rate_rules
          forge_request recipe forge_quote refine refine_expectation refine_spending refine_plan refine_comparison price_book)

file(GLOB sources "${CHECKED_DIR}/*.h" "${CHECKED_DIR}/*.cpp")
set(failures "")
foreach(source IN LISTS sources)
  get_filename_component(stem "${source}" NAME_WE)
  list(FIND order "${stem}" rank)
  if(rank EQUAL -1)
    string(APPEND failures "\n  ${source}: not in the core's order (cmake/CheckCoreOrder.cmake)")
    continue()
  endif()
  file(STRINGS "${source}" includes REGEX "^#include \"[a-z_]+\\.h\"")
  foreach(line IN LISTS includes)
    string(REGEX MATCH "\"([a-z_]+)\\.h\"" _ "${line}")
    list(FIND order "${CMAKE_MATCH_1}" included)
    if(included GREATER rank OR (included EQUAL rank AND source MATCHES "\\.h$"))
      string(APPEND failures "\n  ${source}: ${line}")
    endif()
  endforeach()
endforeach()
if(failures)
  message(FATAL_ERROR "A core file includes a header that comes after it in the core's order:${failures}")
endif()
