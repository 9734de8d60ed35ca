# Installation and the Debian package: both programs with their manual pages,
# wepn's bash completion, the desktop entry, the icons, the AppStream metadata,
# the MIME type that lets a file manager open *.wepn with the editor, and the
# package's documents.
include(GNUInstallDirs)

set(WEPN_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging")
set(WEPN_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/vyr-weapon-editor")
find_program(GZIP_EXECUTABLE gzip REQUIRED)

# Compresses `source` into the build directory as `name`.gz, reproducibly
# (no name or time stamp inside), for installing to `destination`.
function(wepn_install_gzipped source name destination)
  set(output "${CMAKE_CURRENT_BINARY_DIR}/${name}.gz")
  add_custom_command(OUTPUT "${output}"
    COMMAND ${GZIP_EXECUTABLE} -9nc "${source}" > "${output}"
    DEPENDS "${source}" ${ARGN}
    VERBATIM)
  add_custom_target("gzip_${name}" ALL DEPENDS "${output}")
  install(FILES "${output}" DESTINATION "${destination}")
endfunction()

install(TARGETS vyr-weapon-editor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET wepn)
  install(TARGETS wepn RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # Where wepn looks for it: lib/vyr-weapon-editor beside its bin folder.
  install(TARGETS wepn_xlsx LIBRARY DESTINATION lib/vyr-weapon-editor)
endif()
install(FILES "${WEPN_PACKAGING_DIR}/vyr-weapon-editor.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${WEPN_PACKAGING_DIR}/vyr-weapon-editor.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  install(FILES "${WEPN_PACKAGING_DIR}/icons/${size}x${size}/vyr-weapon-editor.png"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES "${WEPN_PACKAGING_DIR}/org.vyrdesk.VyrWeaponEditor.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES "${WEPN_PACKAGING_DIR}/copyright" DESTINATION ${WEPN_DOC_DIR})
wepn_install_gzipped("${WEPN_PACKAGING_DIR}/changelog" changelog ${WEPN_DOC_DIR})
wepn_install_gzipped("${WEPN_PACKAGING_DIR}/vyr-weapon-editor.1" vyr-weapon-editor.1
                     ${CMAKE_INSTALL_MANDIR}/man1)

# wepn's manual page is made from its own --help, so it never falls behind.
if(TARGET wepn)
  find_program(HELP2MAN_EXECUTABLE help2man REQUIRED)
  set(wepn_man "${CMAKE_CURRENT_BINARY_DIR}/wepn.1")
  add_custom_command(OUTPUT "${wepn_man}"
    COMMAND ${HELP2MAN_EXECUTABLE} --no-info --section=1
            "--name=check, dump and rewrite Vyrheim 2 weapon scripts"
            --output=${wepn_man} $<TARGET_FILE:wepn>
    DEPENDS wepn
    VERBATIM)
  wepn_install_gzipped("${wepn_man}" wepn.1 ${CMAKE_INSTALL_MANDIR}/man1 "${wepn_man}")
endif()
if(TARGET wepn)
  install(FILES "${WEPN_PACKAGING_DIR}/wepn.bash-completion"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME wepn)
endif()
install(FILES "${WEPN_PACKAGING_DIR}/vyr-weapon-editor.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

set(CPACK_PACKAGE_NAME "vyr-weapon-editor")
set(CPACK_PACKAGE_VENDOR "Vyrdesk")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor and command-line tool for Vyrheim 2 weapon scripts")
set(CPACK_PACKAGE_DESCRIPTION "Vyr Weapon Editor opens a weapon script (.wepn) of the space strategy game
Vyrheim 2, shows every value in labelled fields, lists and drop-downs, and
saves it back as a script the game reads, keeping lines it does not
understand.

wepn checks, dumps as JSON and rewrites the same files in batch, and edits
values across many weapons at once.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "Vyrdesk <vyrdesk@example.org>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A tool for making game data, not a game: no binaries in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION "devel")
# Debian 12 ships Qt 6.4; libqt6gui6 carries the X11 platform plugin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.34), libstdc++6 (>= 12), libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), liblua5.4-0 (>= 5.4.4), libexpat1 (>= 2.5), libzip4 (>= 1.7), libxlsxwriter4 (>= 1.1)")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils")
include(CPack)
