# The installed layout and the Debian package.
#   bin/                      svpass, svpass-cli
#   share/svpass/             what the programs read beside themselves in a build
#                             tree: Data/ (the sample database), help/, cursors/,
#                             icons/, wav/, template/
#   share/applications/, share/icons/, share/metainfo/   desktop integration
#   share/man/man1/, share/bash-completion/completions/
include(GNUInstallDirs)

# The programs report the package's version.
target_compile_definitions(svpass-cli PRIVATE SVPASS_VERSION="${PROJECT_VERSION}")

set(SVPASS_SHARE ${CMAKE_INSTALL_DATADIR}/svpass)
set(SVPASS_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS svpass-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET svpass)
  install(TARGETS svpass RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${SVPASS_PACKAGING}/svpass.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${SVPASS_PACKAGING}/svpass.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${SVPASS_PACKAGING}/org.svpass.svpass.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/ DESTINATION ${SVPASS_SHARE})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Data DESTINATION ${SVPASS_SHARE})
install(FILES ${SVPASS_PACKAGING}/svpass-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME svpass-cli)

# Manual pages go compressed, as Debian keeps them.
find_program(GZIP_PROGRAM gzip)
foreach(page svpass.1 svpass-cli.1)
  if(GZIP_PROGRAM)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.gz
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
                       COMMAND ${GZIP_PROGRAM} -9 -n -c ${SVPASS_PACKAGING}/${page} > ${CMAKE_BINARY_DIR}/man/${page}.gz
                       DEPENDS ${SVPASS_PACKAGING}/${page}
                       COMMENT "Compressing the manual page ${page}")
    list(APPEND SVPASS_MAN_PAGES ${CMAKE_BINARY_DIR}/man/${page}.gz)
  else()
    list(APPEND SVPASS_MAN_PAGES ${SVPASS_PACKAGING}/${page})
  endif()
endforeach()
add_custom_target(man-pages ALL DEPENDS ${SVPASS_MAN_PAGES})
install(FILES ${SVPASS_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME svpass)
set(CPACK_PACKAGE_VENDOR "svpass developers")
set(CPACK_PACKAGE_CONTACT "svpass developers <svpass@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "technical passports of signalised intersections")
set(CPACK_PACKAGE_DESCRIPTION
    "svpass keeps the technical passports of signalised intersections: the scheme of the\n"
    "intersection with its signal heads, signs, markings and cables, and the tables of the\n"
    "signal plan, equipment and changes. It shows the phases of the plan on the scheme.\n"
    "svpass-cli reads, checks, converts and draws passports without a window.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; what Qt loads at
# run time (the display plugins, the Russian texts of Qt's own dialogs) and
# the fonts the schemes are drawn in do not show up as links, so they are
# named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "man-db, bash-completion")
include(CPack)
