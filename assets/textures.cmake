# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT

# The scene's textures, headerless RGB files: name, width and height of each, in the order the
# programs make them. The one list that the build (painting, size check, previews), the install
# rules, texgen and both programs read; the last two through the definitions the build writes
# from it for assets/texture_files.h. Included where it is needed.
set(QUELMIRE_TEXTURES
  wood.raw  256 256
  sign1.raw 256 256
  sign2.raw 256 256
  grass.raw 512 512)

# quelmire_texture_files(OUT DIR): the texture files as they lie in DIR.
function(quelmire_texture_files out dir)
  set(files)
  list(LENGTH QUELMIRE_TEXTURES count)
  math(EXPR last "${count} - 1")
  foreach(i RANGE 0 ${last} 3)
    list(GET QUELMIRE_TEXTURES ${i} name)
    list(APPEND files ${dir}/${name})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()
