# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT

# Sanitizer build only: every executable keeps the shared libraries it loads until the process
# ends (tests/sanitizers/keep_modules.cpp), so that leak reports from the GL driver name it and
# tests/sanitizers/lsan.supp can suppress them by library. Included last, when all targets exist.
set(_dirs ${PROJECT_SOURCE_DIR})
set(_next ${PROJECT_SOURCE_DIR})
while(_next)
  list(POP_FRONT _next _dir)
  get_property(_subdirs DIRECTORY ${_dir} PROPERTY SUBDIRECTORIES)
  list(APPEND _dirs ${_subdirs})
  list(APPEND _next ${_subdirs})
endwhile()
foreach(_dir ${_dirs})
  get_property(_targets DIRECTORY ${_dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(_target ${_targets})
    get_target_property(_type ${_target} TYPE)
    if(_type STREQUAL "EXECUTABLE")
      target_sources(${_target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/sanitizers/keep_modules.cpp)
      # Exported, so that the libraries' own calls bind to it.
      target_link_options(${_target} PRIVATE LINKER:--export-dynamic-symbol=dlclose)
    endif()
  endforeach()
endforeach()
