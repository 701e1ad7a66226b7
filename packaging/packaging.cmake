# The Debian package: cpack -G DEB (scripts/package.sh). The programs and
# their data files are installed where their targets are defined; this file
# adds what belongs to the desktop and the system (desktop entry, AppStream
# metainfo, icons, man pages, the udev rule, copyright and changelog) and
# configures CPack. Included last, when every program target exists.

set(TSPX_APP_ID com.kavro.tspx)
set(TSPX_RELEASE_DATE 2026-12-08)
set(TSPX_MAINTAINER "Kavro <support@kavro.com>")
set(TSPX_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(TSPX_PACKAGING_BUILD_DIR ${CMAKE_BINARY_DIR}/packaging)

# The programs, each installed beside its target.
set(TSPX_PACKAGED_PROGRAMS tspx tspx-sim tspx-cli)

# Files with the version and the release date in them.
execute_process(COMMAND date -u -R -d "${TSPX_RELEASE_DATE}"
  OUTPUT_VARIABLE TSPX_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
set(TSPX_PROVIDED_BINARIES "")
foreach(program IN LISTS TSPX_PACKAGED_PROGRAMS)
  string(APPEND TSPX_PROVIDED_BINARIES "    <binary>${program}</binary>\n")
endforeach()
configure_file(${TSPX_PACKAGING_DIR}/${TSPX_APP_ID}.metainfo.xml.in
  ${TSPX_PACKAGING_BUILD_DIR}/${TSPX_APP_ID}.metainfo.xml @ONLY)

# Man pages and the changelog are installed compressed (gzip -n: no name or
# time stamp, so the same sources give the same bytes).
set(compressed "")
foreach(program IN LISTS TSPX_PACKAGED_PROGRAMS)
  configure_file(${TSPX_PACKAGING_DIR}/man/${program}.1.in
    ${TSPX_PACKAGING_BUILD_DIR}/man/${program}.1 @ONLY)
  list(APPEND compressed man/${program}.1)
endforeach()
configure_file(${TSPX_PACKAGING_DIR}/changelog.in ${TSPX_PACKAGING_BUILD_DIR}/changelog @ONLY)
list(APPEND compressed changelog)
set(compressed_outputs "")
foreach(file IN LISTS compressed)
  set(source ${TSPX_PACKAGING_BUILD_DIR}/${file})
  add_custom_command(OUTPUT ${source}.gz
    COMMAND gzip -9 -n -k -f ${source}
    DEPENDS ${source}
    VERBATIM)
  list(APPEND compressed_outputs ${source}.gz)
endforeach()
add_custom_target(tspx_packaging_files ALL DEPENDS ${compressed_outputs})

foreach(program IN LISTS TSPX_PACKAGED_PROGRAMS)
  install(FILES ${TSPX_PACKAGING_BUILD_DIR}/man/${program}.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES ${TSPX_PACKAGING_DIR}/${TSPX_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TSPX_PACKAGING_BUILD_DIR}/${TSPX_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 256)
  install(FILES ${TSPX_PACKAGING_DIR}/icons/${TSPX_APP_ID}-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${TSPX_APP_ID}.png)
endforeach()
install(FILES ${TSPX_PACKAGING_DIR}/icons/${TSPX_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${TSPX_PACKAGING_DIR}/70-tspx-serial-adapters.rules
  DESTINATION lib/udev/rules.d)
install(FILES ${TSPX_PACKAGING_DIR}/copyright ${TSPX_PACKAGING_BUILD_DIR}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The package. It is made from a finished build (scripts/package.sh builds
# first), so installing does not walk the whole build again.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tspx)
set(CPACK_PACKAGE_VENDOR Kavro)
set(CPACK_PACKAGE_CONTACT "${TSPX_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tool for the Tensimo Parl force gauge")
set(CPACK_PACKAGE_DESCRIPTION
  "tspx reads the force gauge Tensimo Parl over a serial line: it downloads the
gauge's stored measurements, shows them with their force/time diagram, deletes
them on the gauge, exports CSV files and prints one-page reports (also as PDF).
German texts with English, French and Italian translations.
.
The package holds the window (tspx), the command line tool (tspx-cli), a
simulated gauge on a pseudo-terminal (tspx-sim) and a udev rule that keeps
ModemManager away from USB serial adapters.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TSPX_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside what dpkg-shlibdeps finds, the plugins Qt loads at run time, which no
# program links: the report's diagram goes through the SVG image plugin, the
# archive through the SQLite driver, or the PostgreSQL driver for a shared one.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5svg5, libqt5sql5-sqlite, libqt5sql5-psql")
# Qt's own texts (standard buttons and dialogs) come from Debian's package;
# without it they stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qttranslations5-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
