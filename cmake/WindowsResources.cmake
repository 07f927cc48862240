# The Windows resources of a program (resources/windows/program.rc.in): the
# icon, the version information with the project's version and the given
# description, and the application manifest.
function(trivelon_windows_resources target description)
  set(TRIVELON_FILE ${target})
  set(TRIVELON_DESCRIPTION "${description}")
  set(TRIVELON_ICON ${PROJECT_SOURCE_DIR}/resources/pictures/icon.ico)
  set(TRIVELON_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
  configure_file(${PROJECT_SOURCE_DIR}/resources/windows/program.manifest ${TRIVELON_MANIFEST} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/resources/windows/program.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  # The .rc names the manifest, which CMake's resource rule does not see.
  set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc APPEND PROPERTY OBJECT_DEPENDS ${TRIVELON_MANIFEST})
endfunction()
