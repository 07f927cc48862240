# Installation and the Debian package: the two programs, the run-time pictures,
# the icon, the desktop entry, the AppStream metadata and the licence. Tests and benchmarks
# have no install rules and stay out.
include(GNUInstallDirs)

set(TRIVELON_DATA_SUBDIR "${CMAKE_INSTALL_DATADIR}/trivelon")

if(NOT TRIVELON_CORE_ONLY)
  install(TARGETS trivelon-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/trivelon)

if(TRIVELON_BUILD_GUI)
  install(TARGETS trivelon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

  # The program reads images/ relative to its working directory, which the
  # desktop entry sets to this folder.
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/images DESTINATION ${TRIVELON_DATA_SUBDIR})

  install(FILES ${PROJECT_SOURCE_DIR}/resources/pictures/icon.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
          RENAME trivelon.png)

  # The desktop entry is written at install time, when the prefix is known.
  install(CODE "
    set(TRIVELON_DESKTOP_TEMPLATE \"${PROJECT_SOURCE_DIR}/resources/trivelon.desktop.in\")
    set(TRIVELON_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
  ")
  install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/WriteDesktopEntry.cmake)

  configure_file(${PROJECT_SOURCE_DIR}/resources/trivelon.metainfo.xml.in
                 ${PROJECT_BINARY_DIR}/trivelon.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/trivelon.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# Debian package. Shared-library dependencies (Qt 6, libjpeg) are read from
# the programs by dpkg-shlibdeps; the fonts are loaded by name, so they are
# declared by hand.
set(TRIVELON_PACKAGE_MAINTAINER "Тривелон developers <trivelon-dev@example.org>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trivelon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TRIVELON_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Forging and refining calculator for an online role-playing game")
set(CPACK_PACKAGE_DESCRIPTION
    "Тривелон works out the success rate, the materials and the cost of forging a weapon, and the chance, materials and expected cost of refining it. The package holds the desktop program trivelon and the command-line calculator trivelon-cli.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
include(CPack)
