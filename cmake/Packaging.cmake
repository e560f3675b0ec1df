# Installation with the GNU directory layout, and a Debian package built by CPack.
include(GNUInstallDirs)

install(TARGETS orvane-editor orvane orvane-sample-game RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/orvane.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/data/org.orvane.Editor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/org.orvane.Editor.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/org.orvane.Editor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane-editor)
set(CPACK_PACKAGE_VENDOR "Orvane Executable Editor developers")
set(CPACK_PACKAGE_CONTACT "Orvane Executable Editor developers <orvane-editor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for the data of the strategy game Orvane")
set(CPACK_PACKAGE_DESCRIPTION "The desktop editor orvane-editor, and orvane, which exports, compares and applies the\n\
game's data as mod files (short TOML texts) from a shell or a script.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The dependencies are read from the installed binaries by dpkg-shlibdeps (package dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
