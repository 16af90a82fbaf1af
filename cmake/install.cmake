# What `cmake --install` puts below its prefix, and the Debian package cpack makes of it.
# The programs go to bin/, the menu entry and the icon where desktops look for them; the
# programs keep nothing else there (their files go beside a writable copy or to the user's
# own folders).
include(GNUInstallDirs)

set(kerumina_programs kerumina-cli)
if(TARGET kerumina)
  list(PREPEND kerumina_programs kerumina)
  install(FILES ${PROJECT_SOURCE_DIR}/res/kerumina.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/res/icon/kerumina.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${PROJECT_SOURCE_DIR}/res/icon/kerumina-48.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps
          RENAME kerumina.png)
endif()
install(TARGETS ${kerumina_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kerumina)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ケルミナ developers <kerumina@kerumina.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "companion tool for the fourth-generation ヴォルミル games (DP, PT, HGSS)")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "ケルミナ carries the reference data of the game versions DP, PT and HGSS and offers a\n"
    "species filter search, a species detail view, an individual-value judgement with\n"
    "hidden-power candidates, and a box of up to 1024 registered creatures with an entry\n"
    "editor and a damage calculator. All text is Japanese. kerumina-cli runs the same\n"
    "calculations from the command line, JSON in and out.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries (wx on GTK among them) come from what the programs link; the Japanese font
# the windows are laid out for is named here, as no library asks for it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET kerumina)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
endif()
include(CPack)
