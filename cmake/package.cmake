# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT

# `cpack` in the build folder (`make package`) makes build/quelmire_VERSION_amd64.deb from the
# same install rules as `cmake --install`. Its Depends is worked out by dpkg-shlibdeps from the
# programs themselves, so it follows whatever they link.
include(${CMAKE_CURRENT_LIST_DIR}/layout.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quelmire)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${QUELMIRE_PACKAGE_PREFIX})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pond scene with ducks, a grove and a day-and-night sun")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quelmire is a small interactive 3D scene: grass-covered land with a pond,
translucent water, three ducks that wobble and bob, a grove of trees, two
signposts with picture boards, and a sun that crosses a day-and-night sky.
Brindlefen is a small viewer of the same land and duck. Both draw with
fixed-function OpenGL and print their help on the console.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quelmire developers <quelmire@example.org>")
# Not "games": Debian keeps that section for packages with programs in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The normal build keeps its debugging symbols; the package does not.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Time stamps from SOURCE_DATE_EPOCH, which this sets when the builder has not.
include(${CMAKE_CURRENT_LIST_DIR}/changelog.cmake)
configure_file(${CMAKE_CURRENT_LIST_DIR}/source_date.cmake.in
               ${CMAKE_BINARY_DIR}/cpack_source_date.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/cpack_source_date.cmake)
include(CPack)
