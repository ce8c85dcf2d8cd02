# AppStream metainfo, one component per program, written at configure time from
# packaging/PROGRAM.metainfo.xml.in into QUELMIRE_METAINFO_FILES for cmake/install.cmake.
# The release entry takes the project version and the date of the change log's newest entry;
# configuring stops if that entry is of another version, so the package's version, its change
# log and its metainfo cannot disagree.

# Software centres key reviews, updates and what is installed on the component ID, so it is
# fixed here, not derived from QUELMIRE_HOMEPAGE: every packager must ship the same IDs.
set(QUELMIRE_APPSTREAM_ID_PREFIX org.example.quelmire)

set(_changelog ${PROJECT_SOURCE_DIR}/packaging/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_changelog})
# The newest entry comes first: its heading "quelmire (VERSION) ..." and its trailer
# " -- NAME <EMAIL>  Wed, 09 Dec 2026 05:30:00 +0000".
file(STRINGS ${_changelog} _heading LIMIT_COUNT 1 REGEX "^quelmire \\(")
file(STRINGS ${_changelog} _trailer LIMIT_COUNT 1 REGEX "^ -- ")
string(REGEX MATCH "^quelmire \\(([^)]+)\\)" _ "${_heading}")
set(_changelog_version "${CMAKE_MATCH_1}")
if(NOT _changelog_version STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog's newest entry is version '${_changelog_version}', "
                      "the project's is ${PROJECT_VERSION}: add an entry for ${PROJECT_VERSION}")
endif()
if(NOT _trailer MATCHES ">  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "packaging/changelog's newest entry has no date: '${_trailer}'")
endif()
set(_day ${CMAKE_MATCH_1})
set(_year ${CMAKE_MATCH_3})
set(_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND _months "${CMAKE_MATCH_2}" _month)
if(_month LESS 0)
  message(FATAL_ERROR "packaging/changelog's newest entry has no month: '${_trailer}'")
endif()
math(EXPR _month "${_month} + 1")
if(_month LESS 10)
  set(_month 0${_month})
endif()
set(QUELMIRE_RELEASE_DATE ${_year}-${_month}-${_day})

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
