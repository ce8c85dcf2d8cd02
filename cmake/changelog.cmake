# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT

# The newest entry of the package's change log (packaging/changelog), which comes first: its
# heading "quelmire (VERSION) ..." and its trailer " -- NAME <EMAIL>  Wed, 09 Dec 2026 05:30:00
# +0000". Gives its date as QUELMIRE_RELEASE_DATE (2026-12-09), for the metainfo, and as
# QUELMIRE_CHANGELOG_EPOCH (seconds since 1970), the package's time stamp outside a git
# checkout. Configuring stops if the entry is of another version than the project, so the
# package's version, its change log and its metainfo cannot disagree.
include_guard(GLOBAL)
set(_changelog ${PROJECT_SOURCE_DIR}/packaging/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_changelog})
file(STRINGS ${_changelog} _heading LIMIT_COUNT 1 REGEX "^quelmire \\(")
file(STRINGS ${_changelog} _trailer LIMIT_COUNT 1 REGEX "^ -- ")
string(REGEX MATCH "^quelmire \\(([^)]+)\\)" _ "${_heading}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog's newest entry is version '${CMAKE_MATCH_1}', "
                      "the project's is ${PROJECT_VERSION}: add an entry for ${PROJECT_VERSION}")
endif()
if(NOT _trailer MATCHES ">  ([A-Z][a-z][a-z], [0-9][0-9] [A-Z][a-z][a-z] [0-9]+ [0-9:]+ [-+][0-9]+)$")
  message(FATAL_ERROR "packaging/changelog's newest entry has no date: '${_trailer}'")
endif()
set(_date "${CMAKE_MATCH_1}")
foreach(_format "%F;QUELMIRE_RELEASE_DATE" "%s;QUELMIRE_CHANGELOG_EPOCH")
  list(GET _format 0 _pattern)
  list(GET _format 1 _variable)
  execute_process(COMMAND date -u -d "${_date}" +${_pattern} OUTPUT_VARIABLE ${_variable}
                  OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE _status ERROR_QUIET)
  if(NOT _status EQUAL 0)
    message(FATAL_ERROR "packaging/changelog's newest entry has a date that is none: '${_date}'")
  endif()
endforeach()
