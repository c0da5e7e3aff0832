# The Debian package: `cpack -G DEB` in a Release tree makes
# tabulo_VERSION_ARCH.deb. It holds the install folder /opt/tabulo, links
# in /usr/bin, and a menu entry and icon for every user in /usr/share. The
# triggers of desktop-file-utils and the icon theme refresh their caches, so
# the package needs no maintainer scripts, and removing it leaves nothing.

# A package without the window would be no editor: there is none then.
if(NOT TABULO_BUILD_UI)
  return()
endif()

set(TABULO_PACKAGE_PREFIX /opt/tabulo)

configure_file(${PROJECT_SOURCE_DIR}/packaging/tabulo.desktop.in
               ${PROJECT_BINARY_DIR}/packaging/tabulo.desktop @ONLY)

# Only the package takes these; `cmake --install` leaves /usr/share alone.
install(FILES ${PROJECT_BINARY_DIR}/packaging/tabulo.desktop
        DESTINATION /usr/share/applications COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/icons/tabulo.svg
        DESTINATION /usr/share/icons/hicolor/scalable/apps COMPONENT debian EXCLUDE_FROM_ALL)
tabulo_install_bin_links(/usr/bin debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabulo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tabulo")
set(CPACK_PACKAGE_CONTACT "Tabulo team <tabulo-team@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "table editor for CSV and fixed-length files (Japanese)")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Tabulo edits delimited text (CSV, TSV, blank-separated) and fixed-length\n"
  "record files as a table, in Shift-JIS, with a Japanese user interface:\n"
  "calculations and totals, character and number conversions, sorting,\n"
  "filtering, duplicates, merging by key and list printing. The batch tool\n"
  "tabulo-cli runs the same operations from scripts.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

# Install the folder under /opt/tabulo and the absolute /usr paths as they
# are: with DESTDIR set, both land in the package's root.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX ${TABULO_PACKAGE_PREFIX})
set(CPACK_PACKAGING_INSTALL_PREFIX ${TABULO_PACKAGE_PREFIX})
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};program;/"
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};debian;/")
set(CPACK_STRIP_FILES ON)

# The libraries come from dpkg-shlibdeps; Qt loads its platform plugin and
# the grid needs a Japanese font at run time, which no library link shows.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "xdg-utils, qt6-translations-l10n, fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-noto-color-emoji")

include(CPack)
