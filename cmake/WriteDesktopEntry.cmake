# Runs at install time: writes the desktop entry with Path= set to the data
# folder under the prefix the files are installed to (`cmake --install
# --prefix` and cpack choose it after configuration). DESTDIR only moves where
# the file is written, not the folder it names.
# Expects TRIVELON_DESKTOP_TEMPLATE and TRIVELON_DATADIR (the install data
# directory, relative to the prefix or absolute).
cmake_path(ABSOLUTE_PATH TRIVELON_DATADIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           NORMALIZE OUTPUT_VARIABLE full_datadir)
cmake_path(APPEND full_datadir trivelon OUTPUT_VARIABLE TRIVELON_DATA_FOLDER)
set(desktop_entry "$ENV{DESTDIR}${full_datadir}/applications/trivelon.desktop")

message(STATUS "Installing: ${desktop_entry}")
configure_file("${TRIVELON_DESKTOP_TEMPLATE}" "${desktop_entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${desktop_entry}")
