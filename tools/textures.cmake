# The scene's textures are our own: texgen paints them at build time into the directory the
# programs run from, and raw2png / xwd2png turn textures and screen dumps into ordinary pictures.
# Which textures there are, with their sizes, comes from assets/textures.cmake. Included from
# tools/CMakeLists.txt; QUELMIRE_DATA_DIR names the run directory.

include(${PROJECT_SOURCE_DIR}/assets/textures.cmake)

# From the list: the definitions behind assets/texture_files.h (kWoodTextureFile for wood.raw, and
# so on) and the preview commands.
set(QUELMIRE_TEXTURE_DEFINITIONS)
set(QUELMIRE_TEXTURE_NAMES)
set(_texture_previews)
set(_texture_preview_dir ${PROJECT_SOURCE_DIR}/docs/textures)
list(LENGTH QUELMIRE_TEXTURES _count)
math(EXPR _last "${_count} - 1")
foreach(_i RANGE 0 ${_last} 3)
  math(EXPR _w "${_i} + 1")
  math(EXPR _h "${_i} + 2")
  list(GET QUELMIRE_TEXTURES ${_i} _file)
  list(GET QUELMIRE_TEXTURES ${_w} _width)
  list(GET QUELMIRE_TEXTURES ${_h} _height)
  get_filename_component(_stem ${_file} NAME_WE)
  string(SUBSTRING ${_stem} 0 1 _first)
  string(SUBSTRING ${_stem} 1 -1 _rest)
  string(TOUPPER ${_first} _first)
  set(_entry k${_first}${_rest}TextureFile)
  string(APPEND QUELMIRE_TEXTURE_DEFINITIONS
         "constexpr TextureFile ${_entry}{\"${_file}\", ${_width}, ${_height}};\n")
  list(APPEND QUELMIRE_TEXTURE_NAMES ${_entry})
  list(APPEND _texture_previews COMMAND raw2png ${QUELMIRE_DATA_DIR}/${_file} ${_width} ${_height}
       ${_texture_preview_dir}/${_stem}.png)
endforeach()
string(REPLACE ";" ", " QUELMIRE_TEXTURE_NAMES "${QUELMIRE_TEXTURE_NAMES}")
configure_file(${PROJECT_SOURCE_DIR}/assets/texture_table.cpp.in
               ${CMAKE_BINARY_DIR}/generated/texture_table.cpp @ONLY)
add_library(texture_table STATIC ${CMAKE_BINARY_DIR}/generated/texture_table.cpp)
target_include_directories(texture_table PUBLIC ${PROJECT_SOURCE_DIR})

add_executable(texgen
  ${CMAKE_CURRENT_LIST_DIR}/texgen/main.cpp ${CMAKE_CURRENT_LIST_DIR}/texgen/grass_and_bark.cpp
  ${CMAKE_CURRENT_LIST_DIR}/texgen/signs.cpp)
target_link_libraries(texgen PRIVATE texture_table)

# Built on demand, by texture-previews.
add_executable(raw2png EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/raw2png.cpp)
target_link_libraries(raw2png PRIVATE png_write)

# Paint, then check every size; a wrong-sized file fails the build and is removed by the check.
quelmire_texture_files(QUELMIRE_TEXTURE_FILES ${QUELMIRE_DATA_DIR})
add_custom_command(
  OUTPUT ${QUELMIRE_TEXTURE_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUELMIRE_DATA_DIR}
  COMMAND texgen ${QUELMIRE_DATA_DIR}
  COMMAND texgen --check ${QUELMIRE_DATA_DIR}
  DEPENDS texgen
  COMMENT "Painting wood, sign and grass textures into ${QUELMIRE_DATA_DIR}"
  VERBATIM)
add_custom_target(textures ALL DEPENDS ${QUELMIRE_TEXTURE_FILES})

# `make texture-previews` refreshes the PNGs that the README shows.
add_custom_target(texture-previews
  COMMAND ${CMAKE_COMMAND} -E make_directory ${_texture_preview_dir}
  ${_texture_previews}
  COMMENT "Writing texture previews into ${_texture_preview_dir}"
  VERBATIM)
add_dependencies(texture-previews textures raw2png)
