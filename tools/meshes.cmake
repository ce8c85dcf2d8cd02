# The land and the duck live as OBJ files in assets/, made on purpose by meshgen (see the comment
# at the top of tools/meshgen/main.cpp). At build time obj2cpp checks them and writes the constant
# arrays that assets/meshes.h declares; broken data fail the build. Included from
# tools/CMakeLists.txt.

# Run by hand when the shapes change, so a plain build leaves it out.
add_executable(meshgen EXCLUDE_FROM_ALL
    ${CMAKE_CURRENT_LIST_DIR}/meshgen/main.cpp ${CMAKE_CURRENT_LIST_DIR}/meshgen/geometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/meshgen/land.cpp ${CMAKE_CURRENT_LIST_DIR}/meshgen/duck.cpp
    ${CMAKE_CURRENT_LIST_DIR}/meshgen/duck_surfaces.cpp
    ${CMAKE_CURRENT_LIST_DIR}/meshgen/duck_features.cpp)
target_include_directories(meshgen PRIVATE ${PROJECT_SOURCE_DIR})

# The properties of both meshes, built once for the converter and the tests.
add_library(mesh_checks STATIC
    ${CMAKE_CURRENT_LIST_DIR}/mesh_checks/common.cpp ${CMAKE_CURRENT_LIST_DIR}/mesh_checks/land.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mesh_checks/duck.cpp)
target_include_directories(mesh_checks PUBLIC ${PROJECT_SOURCE_DIR})

add_executable(obj2cpp ${CMAKE_CURRENT_LIST_DIR}/obj2cpp.cpp)
target_link_libraries(obj2cpp PRIVATE mesh_checks)

set(_mesh_source ${CMAKE_BINARY_DIR}/generated/mesh_data.cpp)
add_custom_command(
    OUTPUT ${_mesh_source}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
    COMMAND obj2cpp ${PROJECT_SOURCE_DIR}/assets/land.obj ${PROJECT_SOURCE_DIR}/assets/duck.obj
            ${_mesh_source}
    DEPENDS ${PROJECT_SOURCE_DIR}/assets/land.obj ${PROJECT_SOURCE_DIR}/assets/duck.obj obj2cpp
    COMMENT "Checking the land and duck meshes and converting them to arrays"
    VERBATIM)

add_library(mesh_data STATIC ${_mesh_source})
target_include_directories(mesh_data PUBLIC ${PROJECT_SOURCE_DIR})

# `cmake --build build --target mesh-pictures` renders the land and the duck into docs/meshes
# on a private virtual display, for the README; only that target builds meshshot.
add_executable(meshshot EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/meshshot.cpp)
target_include_directories(meshshot PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(meshshot PRIVATE assets png_write OpenGL::GLU GLUT::GLUT)
add_custom_target(mesh-pictures
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_SOURCE_DIR}/docs/meshes
    COMMAND ${PROJECT_SOURCE_DIR}/tools/pictures/with-xvfb.sh $<TARGET_FILE:meshshot> ${PROJECT_SOURCE_DIR}/docs/meshes
    COMMENT "Rendering the land and the duck into docs/meshes"
    VERBATIM)
add_dependencies(mesh-pictures meshshot)
