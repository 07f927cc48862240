# trivelon_check_includes(<target> <script> <comment> [RECURSE]): on every
# build, before <target> is compiled, runs <script> with -DCHECKED_DIR= the
# calling folder, whose .h and .cpp files (with RECURSE, its subfolders' too)
# it checks again whenever one of them or the script changes. The script
# fails the build where a file includes against its rule.
function(trivelon_check_includes target script comment)
  cmake_parse_arguments(PARSE_ARGV 3 check "RECURSE" "" "")
  if(check_RECURSE)
    set(glob GLOB_RECURSE)
  else()
    set(glob GLOB)
  endif()
  file(${glob} sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  get_filename_component(name ${script} NAME_WE)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${name}.checked)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DCHECKED_DIR=${CMAKE_CURRENT_SOURCE_DIR} -P ${script}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${sources} ${script}
    COMMENT "${comment}")
  add_custom_target(${target}_${name} DEPENDS ${stamp})
  add_dependencies(${target} ${target}_${name})
endfunction()
