# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT

# The site's one rule for programs that run in its pages, included by the top-level
# CMakeLists.txt before any such program is made (the tools' test page has some too).
# link_for_page(TARGET): links a program to run in a page: before main, the page's files are
# fetched into its working directory (preload.js), into memory that grows as they arrive.
function(link_for_page target)
  set(preload ${PROJECT_SOURCE_DIR}/site/preload.js)
  target_link_options(${target} PRIVATE "SHELL:--pre-js ${preload}" -sALLOW_MEMORY_GROWTH=1
                      -sENVIRONMENT=web)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${preload})
endfunction()
