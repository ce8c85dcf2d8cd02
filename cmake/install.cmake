# `cmake --install` puts the programs in libexec, their textures in share, and a launcher for
# each in bin that starts the program in the texture folder, from any working directory.
include(GNUInstallDirs)
set(QUELMIRE_INSTALL_PROGRAMS ${CMAKE_INSTALL_LIBEXECDIR}/quelmire)
set(QUELMIRE_INSTALL_DATA ${CMAKE_INSTALL_DATADIR}/quelmire)

install(TARGETS quelmire brindlefen RUNTIME DESTINATION ${QUELMIRE_INSTALL_PROGRAMS})
install(FILES ${QUELMIRE_DATA_DIR}/wood.raw ${QUELMIRE_DATA_DIR}/sign1.raw
              ${QUELMIRE_DATA_DIR}/sign2.raw ${QUELMIRE_DATA_DIR}/grass.raw
        DESTINATION ${QUELMIRE_INSTALL_DATA})

file(RELATIVE_PATH LAUNCHER_TO_DATA /${CMAKE_INSTALL_BINDIR} /${QUELMIRE_INSTALL_DATA})
file(RELATIVE_PATH LAUNCHER_TO_PROGRAM /${CMAKE_INSTALL_BINDIR} /${QUELMIRE_INSTALL_PROGRAMS})
foreach(LAUNCHER_PROGRAM quelmire brindlefen)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/launcher.sh.in
                 ${CMAKE_BINARY_DIR}/launchers/${LAUNCHER_PROGRAM} @ONLY)
  install(PROGRAMS ${CMAKE_BINARY_DIR}/launchers/${LAUNCHER_PROGRAM}
          DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()
