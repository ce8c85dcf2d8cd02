# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT

# The site, made by the browser's build in build-web/site/: a static folder that any web server
# can serve (`make web` does). index.html leads to a page for each program (quelmire.html,
# brindlefen.html) with its canvas, console panel and hint; beside them the programs' .js and
# .wasm, the texture files that the pages fetch for them, and the shared site.css and page.js.
# The pages' sources are in web/page/. Included by the top-level CMakeLists.txt after the
# programs.

include(${PROJECT_SOURCE_DIR}/assets/textures.cmake)

set(QUELMIRE_SITE_DIR ${CMAKE_BINARY_DIR}/site)
set(_page_sources ${PROJECT_SOURCE_DIR}/site)

# A window size as the program's header gives it: the page lays the canvas out at that size
# before the program starts, so that nothing moves when it does.
function(_site_window_size out header name)
  file(STRINGS ${PROJECT_SOURCE_DIR}/${header} _line REGEX "${name} = [0-9]+;")
  if(NOT _line MATCHES "= ([0-9]+)")
    message(FATAL_ERROR "web/site.cmake: ${header} no longer gives ${name} as a number")
  endif()
  set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()

quelmire_texture_files(_site_all_textures ${QUELMIRE_DATA_DIR})
set(_site_all_texture_names)
foreach(_texture ${_site_all_textures})
  get_filename_component(_name ${_texture} NAME)
  list(APPEND _site_all_texture_names ${_name})
endforeach()

# add_site_page(PROGRAM NAME WIDTH HEIGHT TEXTURES HINT TOUCH_HINT [TOUCH_DRAGS]): the program's
# page, and the program linked for it. TEXTURES are the names of the texture files that the
# program reads; HINT says how to drive it with a mouse and keys, TOUCH_HINT with a finger.
# TOUCH_DRAGS, pairs of a label and GLUT modifiers, are the choices the page offers of what a
# finger's drag is (a phone has no Shift or Ctrl to hold); the first is chosen at start.
function(add_site_page program name width height textures hint touch_hint)
  set(PAGE_TOUCH_DRAGS "")
  set(_drags ${ARGN})
  if(_drags)
    set(_choices "")
    set(_checked " checked")
    while(_drags)
      list(POP_FRONT _drags _label _modifiers)
      string(APPEND _choices "<label><input type=\"radio\" name=\"touch-modifiers\" \
value=\"${_modifiers}\"${_checked}> ${_label}</label>\n")
      set(_checked "")
    endwhile()
    set(PAGE_TOUCH_DRAGS
        "<fieldset id=\"touch-drags\">\n<legend>A finger's drag</legend>\n${_choices}</fieldset>")
  endif()
  link_for_page(${program})

  set(PAGE_PROGRAM ${program})
  set(PAGE_NAME ${name})
  set(PAGE_WIDTH ${width})
  set(PAGE_HEIGHT ${height})
  string(REPLACE ";" " " PAGE_FILES "${textures}")
  set(PAGE_HINT ${hint})
  set(PAGE_TOUCH_HINT ${touch_hint})
  configure_file(${_page_sources}/program.html.in ${QUELMIRE_SITE_DIR}/${program}.html @ONLY)

  # Copied, not copied-if-different: a fresh time stamp keeps the rule from running again.
  add_custom_command(
    OUTPUT ${QUELMIRE_SITE_DIR}/${program}.js ${QUELMIRE_SITE_DIR}/${program}.wasm
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${program}>
            $<TARGET_FILE_DIR:${program}>/${program}.wasm ${QUELMIRE_SITE_DIR}
    DEPENDS ${program}
    COMMENT "Putting ${program} on its page"
    VERBATIM)
endfunction()

_site_window_size(_quelmire_width app/facts.h kWindowWidth)
_site_window_size(_quelmire_height app/facts.h kWindowHeight)
add_site_page(quelmire Quelmire ${_quelmire_width} ${_quelmire_height}
  "${_site_all_texture_names}"
  "Drag to turn the scene (with Shift to zoom, with Ctrl to pan), right-click for the menu; \
with the scene focused (click it), h shows the help and q quits."
  "On a touch screen, drag one finger to turn the scene, or to zoom or pan it as chosen below; \
touch and hold for the menu, which holds every other command."
  turns 0 "zooms (as Shift)" 1 "pans (as Ctrl)" 2)

_site_window_size(_brindlefen_size viewer/facts.h kViewerWindowSize)
add_site_page(brindlefen Brindlefen ${_brindlefen_size} ${_brindlefen_size} grass.raw
  "Drag to turn the land, right-click for the menu; with the picture focused (click it), \
h shows the help and q quits."
  "On a touch screen, drag one finger to turn the land; touch and hold for the menu, which \
holds every command: the land, the duck, the help and Quit.")

foreach(_file index.html site.css page.js)
  configure_file(${_page_sources}/${_file} ${QUELMIRE_SITE_DIR}/${_file} COPYONLY)
endforeach()

# The index shows the programs' screenshots, the same as the software centres'.
foreach(_program quelmire brindlefen)
  configure_file(${PROJECT_SOURCE_DIR}/docs/screenshots/${_program}.png
                 ${QUELMIRE_SITE_DIR}/${_program}.png COPYONLY)
endforeach()

set(_site_textures)
foreach(_name ${_site_all_texture_names})
  list(APPEND _site_textures ${QUELMIRE_SITE_DIR}/${_name})
endforeach()
add_custom_command(
  OUTPUT ${_site_textures}
  COMMAND ${CMAKE_COMMAND} -E copy ${_site_all_textures} ${QUELMIRE_SITE_DIR}
  DEPENDS ${_site_all_textures} textures
  COMMENT "Putting the textures beside the pages"
  VERBATIM)

add_custom_target(site ALL
  DEPENDS ${QUELMIRE_SITE_DIR}/quelmire.js ${QUELMIRE_SITE_DIR}/quelmire.wasm
          ${QUELMIRE_SITE_DIR}/brindlefen.js ${QUELMIRE_SITE_DIR}/brindlefen.wasm
          ${_site_textures})
