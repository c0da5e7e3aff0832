# Installs Tabulo into one folder: the programs, help pages, read-me and icons
# side by side, because the setup program finds all of them in its own folder.
# Links to the programs go into TABULO_BIN_LINK_DIR.
#
# Components: "program" is the folder, "links" the links of a plain
# `cmake --install`. The Debian package takes "program" and its own links
# (see Packaging.cmake), never "links".

if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX /opt/tabulo CACHE PATH "Install folder; everything goes flat into it" FORCE)
endif()
set(TABULO_BIN_LINK_DIR /usr/local/bin CACHE PATH
    "Folder for links to tabulo and tabulo-cli on the PATH (empty: no links)")

# The programs that get a link on the PATH. The setup program does not: it is
# started from the install folder, once per user.
set(TABULO_LINKED_PROGRAMS tabulo-cli)
if(TABULO_BUILD_UI)
  list(PREPEND TABULO_LINKED_PROGRAMS tabulo)
  install(TARGETS tabulo RUNTIME DESTINATION . COMPONENT program)
endif()
install(TARGETS tabulo-cli RUNTIME DESTINATION . COMPONENT program)
if(TARGET plinth)
  install(TARGETS plinth RUNTIME DESTINATION . COMPONENT program)
endif()

install(DIRECTORY ${PROJECT_SOURCE_DIR}/help/ DESTINATION help COMPONENT program)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/ReadMe.txt DESTINATION . COMPONENT program)
install(FILES ${PROJECT_SOURCE_DIR}/icons/tabulo.svg ${PROJECT_SOURCE_DIR}/icons/plinth.svg
        DESTINATION icons COMPONENT program)

# Installs symbolic links in LINK_DIR to the linked programs in the install
# folder, under DESTDIR like any installed file and listed in the manifest.
# The install folder is read when installing, so `--prefix` moves the targets.
function(tabulo_install_bin_links link_dir component)
  if(link_dir STREQUAL "")
    return()
  endif()
  if(NOT IS_ABSOLUTE "${link_dir}")
    message(FATAL_ERROR "The folder for the program links must be absolute: ${link_dir}")
  endif()
  set(code "")
  foreach(program IN LISTS TABULO_LINKED_PROGRAMS)
    string(APPEND code "
      file(MAKE_DIRECTORY \"\$ENV{DESTDIR}${link_dir}\")
      message(STATUS \"Installing: \$ENV{DESTDIR}${link_dir}/${program} -> \${CMAKE_INSTALL_PREFIX}/${program}\")
      file(CREATE_LINK \"\${CMAKE_INSTALL_PREFIX}/${program}\" \"\$ENV{DESTDIR}${link_dir}/${program}\" SYMBOLIC)
      list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\$ENV{DESTDIR}${link_dir}/${program}\")")
  endforeach()
  install(CODE "${code}" COMPONENT ${component} ${ARGN})
endfunction()

tabulo_install_bin_links("${TABULO_BIN_LINK_DIR}" links)
