# SPDX-FileCopyrightText: 2026 The Gradora developers
# SPDX-License-Identifier: BSD-3-Clause

# Where everything goes when installed (GNU layout under any prefix), and the Debian package.
# The program finds its documents relative to its own folder, so the prefix is not compiled in:
#   cmake --install <build folder> --prefix /opt/gradora      or      DESTDIR=/tmp/stage cmake --install …
#   cpack --config <build folder>/CPackConfig.cmake -G DEB

include(GNUInstallDirs)
file(RELATIVE_PATH GRADORA_DATA_FROM_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/gradora)
# The program's own modules lie in a folder of its own, not among the loader's: a package that places a
# library directly under a library folder runs ldconfig when installed and removed.
set(GRADORA_MODULE_DIR ${CMAKE_INSTALL_LIBDIR}/gradora/modules)
file(RELATIVE_PATH GRADORA_MODULES_FROM_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${GRADORA_MODULE_DIR})
target_compile_definitions(gradora_core PRIVATE GRADORA_DATA_FROM_PROGRAM="${GRADORA_DATA_FROM_PROGRAM}"
                                               GRADORA_MODULES_FROM_PROGRAM="${GRADORA_MODULES_FROM_PROGRAM}")

set(GRADORA_ID net.gradora.Gradora)
set(GRADORA_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/gradora)

# Compressed as Debian wants them, reproducibly (no name, no time stamp).
find_program(GZIP gzip REQUIRED)
set(GRADORA_MAN_PAGE ${CMAKE_BINARY_DIR}/gradora.1.gz)
set(GRADORA_CHANGELOG ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${GRADORA_MAN_PAGE}
  COMMAND ${GZIP} -n -9 -c ${CMAKE_SOURCE_DIR}/docs/gradora.1 > ${GRADORA_MAN_PAGE}
  DEPENDS ${CMAKE_SOURCE_DIR}/docs/gradora.1)
add_custom_command(OUTPUT ${GRADORA_CHANGELOG}
  COMMAND ${GZIP} -n -9 -c ${CMAKE_SOURCE_DIR}/docs/changelog > ${GRADORA_CHANGELOG}
  DEPENDS ${CMAKE_SOURCE_DIR}/docs/changelog)
add_custom_target(gradora_install_data ALL DEPENDS ${GRADORA_MAN_PAGE} ${GRADORA_CHANGELOG} ${GRADORA_ICON_PNGS})
add_dependencies(gradora gradora_install_data)

install(TARGETS gradora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(GRADORA_UPDATE_CHECK)
  install(TARGETS gradora_network LIBRARY DESTINATION ${GRADORA_MODULE_DIR})
endif()
install(FILES ${GRADORA_DOCS} DESTINATION ${CMAKE_INSTALL_DATADIR}/gradora)
install(FILES resources/${GRADORA_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/${GRADORA_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The session bus starts the program by its absolute path, known only when installing (a package
# installs under another prefix than the build was configured with).
set(GRADORA_DBUS_SERVICE ${CMAKE_BINARY_DIR}/dbus/${GRADORA_ID}.service)
install(CODE "
  set(GRADORA_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/gradora\")
  configure_file(${CMAKE_SOURCE_DIR}/resources/${GRADORA_ID}.service.in ${GRADORA_DBUS_SERVICE} @ONLY)")
install(FILES ${GRADORA_DBUS_SERVICE} DESTINATION ${CMAKE_INSTALL_DATADIR}/dbus-1/services)
install(FILES ${GRADORA_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS GRADORA_ICON_SIZES)
  install(FILES ${GRADORA_ICON_DIR}/${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${GRADORA_ID}.png)
endforeach()
install(FILES ${GRADORA_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${GRADORA_CHANGELOG} docs/copyright DESTINATION ${GRADORA_DOC_DIR})

set(CPACK_PACKAGE_NAME gradora)
set(CPACK_PACKAGE_VENDOR "The Gradora developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Gradora developers <developers@gradora.net>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "measure anything on the screen")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://gradora.net/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The synopsis is the summary above; this is the extended description below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Gradora puts frameless, translucent rulers on the desktop. Each ruler carries
tick scales in pixels, in physical units calibrated for each display, or in
units of your own, and can hold guides, a cross-hair, a background picture
and a rotatable figure whose width, height, area, perimeter and angle are
read out live.")
include(CPack)
