# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT

# AppStream metainfo, one component per program, written at configure time from
# packaging/PROGRAM.metainfo.xml.in into QUELMIRE_METAINFO_FILES for cmake/install.cmake.
# The release entry takes the project version and the date of the change log's newest entry
# (cmake/changelog.cmake).

# Software centres key reviews, updates and what is installed on the component ID, so it is
# fixed here, not derived from QUELMIRE_HOMEPAGE: every packager must ship the same IDs.
set(QUELMIRE_APPSTREAM_ID_PREFIX org.example.quelmire)

include(${CMAKE_CURRENT_LIST_DIR}/changelog.cmake)

# The homepage and the screenshots below it, which must be web addresses; no trailing slash.
string(REGEX REPLACE "/+$" "" QUELMIRE_HOMEPAGE_BASE "${QUELMIRE_HOMEPAGE}")
if(NOT QUELMIRE_HOMEPAGE_BASE MATCHES "^https?://[^/]+")
  message(FATAL_ERROR "QUELMIRE_HOMEPAGE must be an http(s) address, not '${QUELMIRE_HOMEPAGE}'")
endif()

set(QUELMIRE_METAINFO_FILES)
foreach(program quelmire brindlefen)
  set(QUELMIRE_APPSTREAM_ID ${QUELMIRE_APPSTREAM_ID_PREFIX}.${program})
  set(_metainfo ${QUELMIRE_DESKTOP_DIR}/metainfo/${QUELMIRE_APPSTREAM_ID}.metainfo.xml)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/${program}.metainfo.xml.in ${_metainfo} @ONLY)
  list(APPEND QUELMIRE_METAINFO_FILES ${_metainfo})
endforeach()
