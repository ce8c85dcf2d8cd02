// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The primitives that the programs and our GLU draw, in terms of WebGL's three: points, separate
// line segments and separate triangles, as indices into the vertices in the order they were
// given. The rest of OpenGL 1.1's (GL_LINES, GL_LINE_LOOP, GL_TRIANGLE_STRIP, GL_QUADS) are
// refused as unknown.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace layer {

enum class PrimitiveClass { kPoints, kLines, kTriangles };

// True for the primitives drawn here.
bool isPrimitiveMode(std::uint32_t mode);
PrimitiveClass classOf(std::uint32_t mode);

// Appends the indices that draw `count` vertices in `mode` to `indices`; vertices that make no
// whole primitive (the last two of five GL_TRIANGLES, say) are left out, as OpenGL leaves them.
void assemble(std::uint32_t mode, std::size_t count, std::vector<std::uint32_t>& indices);

}  // namespace layer
