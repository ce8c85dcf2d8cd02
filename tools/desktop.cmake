# What the desktop needs beside the programs, made at build time so that `cmake --install` and
# the Debian package both find it: icons rendered by iconshot from our own meshes and grass
# texture, manual pages written by mangen from the programs' headers, and the compressed change
# log. cmake/install.cmake installs them from QUELMIRE_DESKTOP_DIR. Included from
# tools/CMakeLists.txt.

include(${PROJECT_SOURCE_DIR}/cmake/layout.cmake)
include(${PROJECT_SOURCE_DIR}/assets/textures.cmake)
set(QUELMIRE_DESKTOP_DIR ${CMAKE_BINARY_DIR}/desktop)
set(QUELMIRE_ICON_SIZES 32 48 64 128 256)
# For the install rules, which the top level reads after this directory.
set(QUELMIRE_DESKTOP_DIR ${QUELMIRE_DESKTOP_DIR} PARENT_SCOPE)
set(QUELMIRE_ICON_SIZES ${QUELMIRE_ICON_SIZES} PARENT_SCOPE)

add_executable(iconshot ${CMAKE_CURRENT_LIST_DIR}/iconshot.cpp)
target_include_directories(iconshot PRIVATE ${PROJECT_SOURCE_DIR})
# app/app.h's scene state makes its GLU quadric before main.
target_link_libraries(iconshot PRIVATE assets png_write OpenGL::GLU GLUT::GLUT)

quelmire_texture_files(_textures ${QUELMIRE_DATA_DIR})
set(_icons)
foreach(size ${QUELMIRE_ICON_SIZES})
  foreach(program quelmire brindlefen)
    list(APPEND _icons ${QUELMIRE_DESKTOP_DIR}/icons/${size}x${size}/apps/${program}.png)
  endforeach()
endforeach()
# Rendering needs an X display: a private virtual one, never the user's. In a sanitizer build
# the GL driver's own leaks would fail the render, and the tool is not what that build checks.
add_custom_command(
  OUTPUT ${_icons}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          ${PROJECT_SOURCE_DIR}/tools/pictures/with-xvfb.sh $<TARGET_FILE:iconshot>
          ${QUELMIRE_DESKTOP_DIR}/icons ${QUELMIRE_DATA_DIR} ${QUELMIRE_ICON_SIZES}
  DEPENDS iconshot ${_textures}
  COMMENT "Rendering the duck and the land into desktop icons"
  VERBATIM)

add_executable(mangen ${CMAKE_CURRENT_LIST_DIR}/mangen.cpp)
target_include_directories(mangen PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(mangen PRIVATE OpenGL::GLU)

# Pages compressed as Debian wants them; man reads them so on any system.
set(_pages)
foreach(program quelmire brindlefen)
  set(_page ${QUELMIRE_DESKTOP_DIR}/man/${program}.6)
  add_custom_command(
    OUTPUT ${_page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUELMIRE_DESKTOP_DIR}/man
    COMMAND mangen ${program} ${PROJECT_SOURCE_DIR}/packaging/${program}.6.in ${_page}
            ${PROJECT_VERSION} ${QUELMIRE_PACKAGE_PREFIX}/${QUELMIRE_INSTALL_DATA}
    COMMAND gzip -9nkf ${_page}
    DEPENDS mangen ${PROJECT_SOURCE_DIR}/packaging/${program}.6.in
    COMMENT "Writing the manual page of ${program}"
    VERBATIM)
  list(APPEND _pages ${_page}.gz)
endforeach()

# The package's change log, which Debian wants beside the copyright notice, compressed. Copied to
# a named file in a folder made first: copied to a folder that is not there yet (Unix Makefiles
# may run this rule before any other makes it), the file would take the folder's name.
add_custom_command(
  OUTPUT ${QUELMIRE_DESKTOP_DIR}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUELMIRE_DESKTOP_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/changelog
          ${QUELMIRE_DESKTOP_DIR}/changelog
  COMMAND gzip -9nf ${QUELMIRE_DESKTOP_DIR}/changelog
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
  VERBATIM)

add_custom_target(desktop-files ALL
                  DEPENDS ${_icons} ${_pages} ${QUELMIRE_DESKTOP_DIR}/changelog.gz)
add_dependencies(desktop-files textures)  # the icons' grass
