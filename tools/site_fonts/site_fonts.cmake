# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT

# The site's fonts (site_fonts.py beside this file): committed beside the stylesheet, checked at
# every build of the site against what the tool makes now from fonts-dejavu-core for the pages'
# characters, and copied into the site. The target site-fonts remakes the committed files.
# Debian's python3 first: python3-fonttools and python3-brotli extend it, and a python3 of one's
# own earlier in PATH may lack them.
find_program(QUELMIRE_FONTS_PYTHON python3 HINTS /usr/bin)
set(QUELMIRE_DEJAVU_DIR /usr/share/fonts/truetype/dejavu CACHE PATH
    "Where fonts-dejavu-core puts DejaVu Sans and DejaVu Sans Mono")
execute_process(COMMAND ${QUELMIRE_FONTS_PYTHON} -c "import fontTools.subset, brotli"
                RESULT_VARIABLE _fonts_python_lacks OUTPUT_QUIET ERROR_QUIET)
if(_fonts_python_lacks OR NOT EXISTS ${QUELMIRE_DEJAVU_DIR}/DejaVuSansMono.ttf)
  message(FATAL_ERROR "The site's fonts need python3-fonttools, python3-brotli and "
                      "fonts-dejavu-core (`make web` installs them)")
endif()

# add_site_fonts(OUT COMMITTED_DIR SITE_DIR SOURCE...): the site's copies of the fonts in OUT,
# for the site's target to depend on; SOURCE are the pages and their stylesheet as the site
# has them, whose characters the fonts must hold.
function(add_site_fonts out committed site)
  set(_tool ${PROJECT_SOURCE_DIR}/tools/site_fonts/site_fonts.py)
  set(_names dejavu-sans.woff2 dejavu-sans-bold.woff2 dejavu-sans-mono.woff2)
  set(_committed)
  set(_copies)
  foreach(_name ${_names})
    list(APPEND _committed ${committed}/${_name})
    list(APPEND _copies ${site}/${_name})
  endforeach()
  set(_checked ${CMAKE_CURRENT_BINARY_DIR}/site-fonts.checked)
  add_custom_command(
    OUTPUT ${_checked}
    COMMAND ${QUELMIRE_FONTS_PYTHON} ${_tool} check ${committed} ${QUELMIRE_DEJAVU_DIR} ${ARGN}
    COMMAND ${CMAKE_COMMAND} -E touch ${_checked}
    DEPENDS ${_tool} ${_committed} ${ARGN}
    COMMENT "Checking the site's fonts against the pages' characters"
    VERBATIM)
  add_custom_command(
    OUTPUT ${_copies}
    COMMAND ${CMAKE_COMMAND} -E copy ${_committed} ${site}
    DEPENDS ${_checked} ${_committed}
    COMMENT "Putting the fonts beside the pages"
    VERBATIM)
  add_custom_target(site-fonts
    COMMAND ${QUELMIRE_FONTS_PYTHON} ${_tool} make ${committed} ${QUELMIRE_DEJAVU_DIR} ${ARGN}
    COMMENT "Making the site's fonts in ${committed}"
    VERBATIM)
  set(${out} ${_copies} PARENT_SCOPE)
endfunction()
