# Installation and the Debian package: both programs, the desktop entry, the
# icon and the MIME type that lets a file manager open *.wepn with the editor.
include(GNUInstallDirs)

set(WEPN_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging")

install(TARGETS vyr-weapon-editor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET wepn)
  install(TARGETS wepn RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES "${WEPN_PACKAGING_DIR}/vyr-weapon-editor.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${WEPN_PACKAGING_DIR}/vyr-weapon-editor.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES "${WEPN_PACKAGING_DIR}/vyr-weapon-editor.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

set(CPACK_PACKAGE_NAME "vyr-weapon-editor")
set(CPACK_PACKAGE_VENDOR "Vyrdesk")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor and command-line tool for Vyrheim 2 weapon scripts")
set(CPACK_PACKAGE_CONTACT "Vyrdesk <vyrdesk@example.org>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
# Debian 12 ships Qt 6.4; libqt6gui6 carries the X11 platform plugin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.34), libstdc++6 (>= 12), libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), liblua5.4-0 (>= 5.4.4)")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils")
include(CPack)
