// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "platform/gl/primitives.h"

#include <GL/gl.h>

namespace layer {

bool isPrimitiveMode(std::uint32_t mode) {
    switch (mode) {
        case GL_POINTS:
        case GL_LINE_STRIP:
        case GL_TRIANGLES:
        case GL_TRIANGLE_FAN:
        case GL_QUAD_STRIP:
        case GL_POLYGON:
            return true;
        default:
            return false;
    }
}

PrimitiveClass classOf(std::uint32_t mode) {
    switch (mode) {
        case GL_POINTS:
            return PrimitiveClass::kPoints;
        case GL_LINE_STRIP:
            return PrimitiveClass::kLines;
        default:
            return PrimitiveClass::kTriangles;
    }
}

void assemble(std::uint32_t mode, std::size_t count, std::vector<std::uint32_t>& indices) {
    const auto n = static_cast<std::uint32_t>(count);
    auto add = [&indices](std::initializer_list<std::uint32_t> vertices) {
        indices.insert(indices.end(), vertices);
    };
    switch (mode) {
        case GL_POINTS:
            for (std::uint32_t i = 0; i < n; ++i) {
                add({i});
            }
            break;
        case GL_LINE_STRIP:
            for (std::uint32_t i = 0; i + 1 < n; ++i) {
                add({i, i + 1});
            }
            break;
        case GL_TRIANGLES:
            for (std::uint32_t i = 0; i + 2 < n; i += 3) {
                add({i, i + 1, i + 2});
            }
            break;
        case GL_QUAD_STRIP:
            // Quad k is 2k, 2k + 1, 2k + 3, 2k + 2 in order round its edge.
            for (std::uint32_t i = 0; i + 3 < n; i += 2) {
                add({i, i + 1, i + 3, i, i + 3, i + 2});
            }
            break;
        case GL_TRIANGLE_FAN:
        case GL_POLYGON:
            // A convex polygon is a fan about its first vertex, as Mesa draws it.
            for (std::uint32_t i = 1; i + 1 < n; ++i) {
                add({0, i, i + 1});
            }
            break;
        default:
            break;
    }
}

}  // namespace layer
