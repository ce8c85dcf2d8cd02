# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT

# `cmake --install` (and the Debian package, cmake/package.cmake) puts the programs in libexec,
# their textures in share, and a launcher for each in bin that starts the program in the texture
# folder, from any working directory; then the desktop entries, icons and manual pages where
# desktops and man look for them, and the AppStream metainfo that software centres read.
include(${CMAKE_CURRENT_LIST_DIR}/layout.cmake)

install(TARGETS quelmire brindlefen RUNTIME DESTINATION ${QUELMIRE_INSTALL_PROGRAMS})
include(${PROJECT_SOURCE_DIR}/assets/textures.cmake)
quelmire_texture_files(_installed_textures ${QUELMIRE_DATA_DIR})
install(FILES ${_installed_textures} DESTINATION ${QUELMIRE_INSTALL_DATA})

file(RELATIVE_PATH LAUNCHER_TO_DATA /${CMAKE_INSTALL_BINDIR} /${QUELMIRE_INSTALL_DATA})
file(RELATIVE_PATH LAUNCHER_TO_PROGRAM /${CMAKE_INSTALL_BINDIR} /${QUELMIRE_INSTALL_PROGRAMS})
foreach(LAUNCHER_PROGRAM quelmire brindlefen)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/launcher.sh.in
                 ${CMAKE_BINARY_DIR}/launchers/${LAUNCHER_PROGRAM} @ONLY)
  install(PROGRAMS ${CMAKE_BINARY_DIR}/launchers/${LAUNCHER_PROGRAM}
          DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/packaging/quelmire.desktop
              ${PROJECT_SOURCE_DIR}/packaging/brindlefen.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size ${QUELMIRE_ICON_SIZES})
  install(FILES ${QUELMIRE_DESKTOP_DIR}/icons/${size}x${size}/apps/quelmire.png
                ${QUELMIRE_DESKTOP_DIR}/icons/${size}x${size}/apps/brindlefen.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
include(${CMAKE_CURRENT_LIST_DIR}/metainfo.cmake)
install(FILES ${QUELMIRE_METAINFO_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QUELMIRE_DESKTOP_DIR}/man/quelmire.6.gz ${QUELMIRE_DESKTOP_DIR}/man/brindlefen.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${QUELMIRE_DESKTOP_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quelmire)
