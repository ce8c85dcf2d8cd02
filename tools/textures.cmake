# The scene's textures are our own: texgen paints them at build time into the directory the
# programs run from, and raw2png / xwd2png turn textures and screen dumps into ordinary pictures.
# Included from tools/CMakeLists.txt; QUELMIRE_DATA_DIR names the run directory.

if(NOT DEFINED QUELMIRE_DATA_DIR)
  set(QUELMIRE_DATA_DIR ${CMAKE_BINARY_DIR}/data)
endif()

find_package(PNG REQUIRED)

add_executable(texgen
  ${CMAKE_CURRENT_LIST_DIR}/texgen/main.cpp ${CMAKE_CURRENT_LIST_DIR}/texgen/grass_and_bark.cpp
  ${CMAKE_CURRENT_LIST_DIR}/texgen/signs.cpp)
target_include_directories(texgen PRIVATE ${PROJECT_SOURCE_DIR})

add_executable(raw2png ${CMAKE_CURRENT_LIST_DIR}/raw2png.cpp ${CMAKE_CURRENT_LIST_DIR}/png_write.cpp)
target_link_libraries(raw2png PRIVATE PNG::PNG)

add_executable(xwd2png ${CMAKE_CURRENT_LIST_DIR}/xwd2png.cpp ${CMAKE_CURRENT_LIST_DIR}/png_write.cpp)
target_link_libraries(xwd2png PRIVATE PNG::PNG)

# Paint, then check every size; a wrong-sized file fails the build and is removed by the check.
set(QUELMIRE_TEXTURE_FILES
  ${QUELMIRE_DATA_DIR}/wood.raw
  ${QUELMIRE_DATA_DIR}/sign1.raw
  ${QUELMIRE_DATA_DIR}/sign2.raw
  ${QUELMIRE_DATA_DIR}/grass.raw)
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
set(_texture_preview_dir ${PROJECT_SOURCE_DIR}/docs/textures)
add_custom_target(texture-previews
  COMMAND ${CMAKE_COMMAND} -E make_directory ${_texture_preview_dir}
  COMMAND raw2png ${QUELMIRE_DATA_DIR}/wood.raw 256 256 ${_texture_preview_dir}/wood.png
  COMMAND raw2png ${QUELMIRE_DATA_DIR}/sign1.raw 256 256 ${_texture_preview_dir}/sign1.png
  COMMAND raw2png ${QUELMIRE_DATA_DIR}/sign2.raw 256 256 ${_texture_preview_dir}/sign2.png
  COMMAND raw2png ${QUELMIRE_DATA_DIR}/grass.raw 512 512 ${_texture_preview_dir}/grass.png
  COMMENT "Writing texture previews into ${_texture_preview_dir}"
  VERBATIM)
add_dependencies(texture-previews textures raw2png)

# The tests run the built tools, found through their paths compiled in. The screen-dump case
# starts a private Xvfb of its own, so the test needs no display and never uses the caller's.
find_package(GTest QUIET)
find_package(X11 QUIET)
if(GTest_FOUND AND X11_FOUND AND (BUILD_TESTING OR NOT DEFINED BUILD_TESTING))
  add_executable(texture_files_test ${CMAKE_CURRENT_LIST_DIR}/../tests/texture_files_test.cpp)
  target_link_libraries(texture_files_test PRIVATE GTest::gtest_main PNG::PNG X11::X11)
  target_compile_definitions(texture_files_test PRIVATE
    TEXGEN_PATH="$<TARGET_FILE:texgen>"
    XWD2PNG_PATH="$<TARGET_FILE:xwd2png>")
  add_dependencies(texture_files_test texgen xwd2png)
  # This directory is added before the top level turns testing on; without this the test
  # would not be registered.
  enable_testing()
  add_test(NAME texture_files_test COMMAND texture_files_test)
  set_tests_properties(texture_files_test PROPERTIES TIMEOUT 600)
endif()
