# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT

# What every build but the sanitizer one is compiled and linked with, so that what ships is
# hardened and the same whatever folder it was built in. Ours go in front of the packager's
# CXXFLAGS and LDFLAGS (CMAKE_CXX_FLAGS, CMAKE_EXE_LINKER_FLAGS), so that theirs come later on
# the command line and win where the two disagree (-fno-stack-protector, say).
include(CheckCXXCompilerFlag)

set(_compile -fPIE -fstack-protector-strong)
foreach(_flag -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "QUELMIRE_HAS${_flag}" _known)
  check_cxx_compiler_flag(${_flag} ${_known})
  if(${_known})
    list(APPEND _compile ${_flag})
  endif()
endforeach()
# Debugging information and __FILE__ name files relative to the tree and the build folder, so
# that no build path reaches a program (nor its build-id, which hashes all of it). The more
# particular build folder comes last, which makes it win for a build inside the tree.
list(APPEND _compile -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
     -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
string(REPLACE ";" " " _compile "${_compile}")
set(CMAKE_CXX_FLAGS "${_compile} ${CMAKE_CXX_FLAGS}")

# Fortified functions need the optimiser; a packager's own choice of level is left alone. Level 3
# also checks buffers whose size is known only at run time, such as an image's pixels.
if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
  foreach(_config RELEASE RELWITHDEBINFO MINSIZEREL)
    set(CMAKE_CXX_FLAGS_${_config} "-D_FORTIFY_SOURCE=3 ${CMAKE_CXX_FLAGS_${_config}}")
  endforeach()
endif()

set(CMAKE_EXE_LINKER_FLAGS "-pie -Wl,-z,relro,-z,now ${CMAKE_EXE_LINKER_FLAGS}")
