# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT

# The site knows both programs: it makes a page for each, and index.html that leads to them.
# Made by the browser's build in build-web/site/: a static folder that any web server can serve
# (`make web` does). Each program's page (quelmire.html, brindlefen.html) has its canvas,
# console panel and hints; beside them the programs' .js and .wasm, the texture files that the
# pages fetch for them, the shared site.css with its fonts (tools/site_fonts) and page.js, the
# pages' script, which hands the program the canvas and the visitor's choices (see
# platform/CMakeLists.txt). Included by the
# top-level CMakeLists.txt after the programs; link_for_page.cmake, before them.

include(${PROJECT_SOURCE_DIR}/assets/textures.cmake)

set(QUELMIRE_SITE_DIR ${CMAKE_BINARY_DIR}/site)
set(_page_sources ${PROJECT_SOURCE_DIR}/site)

# What each program's page says of it and fetches for it comes from the program's own headers
# (app/facts.h and app/page_facts.h, viewer/facts.h and viewer/page_facts.h), through
# page_facts, which the build runs (with node, in the browser's build) to write the pages.
add_executable(page_facts ${_page_sources}/page_facts.cpp)
target_include_directories(page_facts PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(page_facts PRIVATE texture_table)
# Run by node: its WebAssembly read from the file, not fetched.
target_link_options(page_facts PRIVATE -sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0)

set(_site_pages)

# add_site_page(PROGRAM NAME): the program's page, titled NAME, and the program linked for it.
function(add_site_page program name)
  link_for_page(${program})

  set(_page ${QUELMIRE_SITE_DIR}/${program}.html)
  add_custom_command(
    OUTPUT ${_page}
    COMMAND ${CMAKE_COMMAND}
            "-DFACTS=${CMAKE_CROSSCOMPILING_EMULATOR};$<TARGET_FILE:page_facts>"
            -DPROGRAM=${program} -DNAME=${name} -DTEMPLATE=${_page_sources}/program.html.in
            -DOUTPUT=${_page} -P ${_page_sources}/page.cmake
    DEPENDS page_facts ${_page_sources}/program.html.in ${_page_sources}/page.cmake
    COMMENT "Writing ${program}'s page"
    VERBATIM)

  # Copied, not copied-if-different: a fresh time stamp keeps the rule from running again.
  add_custom_command(
    OUTPUT ${QUELMIRE_SITE_DIR}/${program}.js ${QUELMIRE_SITE_DIR}/${program}.wasm
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${program}>
            $<TARGET_FILE_DIR:${program}>/${program}.wasm ${QUELMIRE_SITE_DIR}
    DEPENDS ${program}
    COMMENT "Putting ${program} on its page"
    VERBATIM)
  set(_site_pages ${_site_pages} ${_page} ${QUELMIRE_SITE_DIR}/${program}.js
      ${QUELMIRE_SITE_DIR}/${program}.wasm PARENT_SCOPE)
endfunction()

add_site_page(quelmire Quelmire)
add_site_page(brindlefen Brindlefen)

foreach(_file index.html site.css page.js)
  configure_file(${_page_sources}/${_file} ${QUELMIRE_SITE_DIR}/${_file} COPYONLY)
endforeach()

include(${PROJECT_SOURCE_DIR}/tools/site_fonts/site_fonts.cmake)
add_site_fonts(_site_fonts ${_page_sources} ${QUELMIRE_SITE_DIR}
  ${QUELMIRE_SITE_DIR}/index.html ${QUELMIRE_SITE_DIR}/quelmire.html
  ${QUELMIRE_SITE_DIR}/brindlefen.html ${QUELMIRE_SITE_DIR}/site.css)

# The index shows the programs' screenshots, the same as the software centres'.
foreach(_program quelmire brindlefen)
  configure_file(${PROJECT_SOURCE_DIR}/docs/screenshots/${_program}.png
                 ${QUELMIRE_SITE_DIR}/${_program}.png COPYONLY)
endforeach()

# Every texture file lies beside the pages; each page fetches those its program reads.
quelmire_texture_files(_site_all_textures ${QUELMIRE_DATA_DIR})
set(_site_textures)
foreach(_texture ${_site_all_textures})
  get_filename_component(_name ${_texture} NAME)
  list(APPEND _site_textures ${QUELMIRE_SITE_DIR}/${_name})
endforeach()
add_custom_command(
  OUTPUT ${_site_textures}
  COMMAND ${CMAKE_COMMAND} -E copy ${_site_all_textures} ${QUELMIRE_SITE_DIR}
  DEPENDS ${_site_all_textures} textures
  COMMENT "Putting the textures beside the pages"
  VERBATIM)

add_custom_target(site ALL DEPENDS ${_site_pages} ${_site_textures} ${_site_fonts})
