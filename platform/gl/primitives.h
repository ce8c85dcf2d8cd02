// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Every primitive of OpenGL 1.1 in terms of WebGL's three: points, separate line segments and
// separate triangles, as indices into the vertices in the order they were given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace layer {

enum class PrimitiveClass { kPoints, kLines, kTriangles };

// True for GL_POINTS up to GL_POLYGON.
bool isPrimitiveMode(std::uint32_t mode);
PrimitiveClass classOf(std::uint32_t mode);

// Appends the indices that draw `count` vertices in `mode` to `indices`; vertices that make no
// whole primitive (the odd one out of GL_LINES, say) are left out, as OpenGL leaves them.
void assemble(std::uint32_t mode, std::size_t count, std::vector<std::uint32_t>& indices);

}  // namespace layer
