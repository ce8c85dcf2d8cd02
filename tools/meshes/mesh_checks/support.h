// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// What the mesh checks share among themselves: messages, face normals and tolerances.
#pragma once

#include <array>
#include <cmath>
#include <string>

#include "tools/meshes/mesh_checks.h"

namespace meshcheck {

// printf-style text with up to six numbers, all passed as double ("%.0f" for an index).
std::string format(const char* fmt, double a = 0, double b = 0, double c = 0, double d = 0,
                   double e = 0, double f = 0);
// "vertex i at (x, y, z)", for messages.
std::string vertexText(const MeshView& m, int i);
// The cross product of triangle t's edges: its normal, as long as twice its area.
std::array<double, 3> faceNormal(const MeshView& m, int t);

// The counts the draw calls pass.
std::string checkCounts(const MeshView& m, const char* name, int vertices, int indices);

inline bool near(double value, double expected, double tolerance) {
    return std::fabs(value - expected) <= tolerance;
}

}  // namespace meshcheck
