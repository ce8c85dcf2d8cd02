// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The checks that both meshes pass, and the helpers the others share.
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/meshes/mesh_checks/support.h"

namespace meshcheck {

std::string format(const char* fmt, double a, double b, double c, double d, double e, double f) {
    char buf[512];
    std::snprintf(buf, sizeof buf, fmt, a, b, c, d, e, f);
    return buf;
}

std::string vertexText(const MeshView& m, int i) {
    return format("vertex %.0f at (%.9g, %.9g, %.9g)", i, m.x(i), m.y(i), m.z(i));
}

std::array<double, 3> faceNormal(const MeshView& m, int t) {
    unsigned a = m.corner(t, 0), b = m.corner(t, 1), c = m.corner(t, 2);
    double ux = m.x(b) - m.x(a), uy = m.y(b) - m.y(a), uz = m.z(b) - m.z(a);
    double vx = m.x(c) - m.x(a), vy = m.y(c) - m.y(a), vz = m.z(c) - m.z(a);
    return {uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx};
}

std::string checkCounts(const MeshView& m, const char* name, int vertices, int indices) {
    if (m.vertexCount != vertices || m.indexCount != indices) {
        return "counts: " + std::string(name) + " has " + std::to_string(m.vertexCount) +
               " vertices and " + std::to_string(m.indexCount) + " indices, expected " +
               std::to_string(vertices) + " and " + std::to_string(indices);
    }
    return "";
}

// Plain triangle list: every index in range, every vertex used, no triangle naming a vertex twice.
std::string checkTriangleList(const MeshView& m) {
    if (m.indexCount % 3 != 0) {
        return "triangle list: index count " + std::to_string(m.indexCount) +
               " is not a multiple of 3";
    }
    std::vector<bool> used(m.vertexCount, false);
    for (int t = 0; t < m.triangleCount(); ++t) {
        unsigned a = m.corner(t, 0), b = m.corner(t, 1), c = m.corner(t, 2);
        for (unsigned v : {a, b, c}) {
            if (v >= unsigned(m.vertexCount)) {
                return format("index range: triangle %.0f names vertex %.0f, past the last", t, v);
            }
            used[v] = true;
        }
        if (a == b || b == c || a == c) {
            return format("triangle list: triangle %.0f (%.0f, %.0f, %.0f) names a vertex twice", t,
                          a, b, c);
        }
    }
    for (int v = 0; v < m.vertexCount; ++v) {
        if (!used[v]) {
            return "every vertex used: " + vertexText(m, v) + " is in no triangle";
        }
    }
    return "";
}

std::string checkFinite(const MeshView& m) {
    for (int i = 0; i < m.vertexCount; ++i) {
        for (int k = 0; k < 3; ++k) {
            if (!std::isfinite(m.vertices[3 * i + k]) || !std::isfinite(m.normals[3 * i + k])) {
                return format("finite values: vertex %.0f has a NaN or infinite position or normal",
                              i);
            }
        }
        if (m.texCoords &&
            (!std::isfinite(m.texCoords[2 * i]) || !std::isfinite(m.texCoords[2 * i + 1]))) {
            return format("finite values: vertex %.0f has a NaN or infinite texture coordinate", i);
        }
    }
    return "";
}

std::string checkUnitNormals(const MeshView& m) {
    for (int i = 0; i < m.vertexCount; ++i) {
        const float* n = m.normals + 3 * i;
        double len = std::sqrt(double(n[0]) * n[0] + double(n[1]) * n[1] + double(n[2]) * n[2]);
        if (std::fabs(len - 1) > 1e-6) {
            return format("unit normals: vertex %.0f has a normal of length %.9g", i, len);
        }
    }
    return "";
}

// Every triangle has area and is counter-clockwise seen from the side its vertex normals face.
std::string checkWinding(const MeshView& m) {
    for (int t = 0; t < m.triangleCount(); ++t) {
        auto f = faceNormal(m, t);
        double area = std::sqrt(f[0] * f[0] + f[1] * f[1] + f[2] * f[2]);
        if (!(area > 0)) {
            return format("winding: triangle %.0f has no area", t);
        }
        for (int k = 0; k < 3; ++k) {
            const float* n = m.normals + 3 * m.corner(t, k);
            if (f[0] * n[0] + f[1] * n[1] + f[2] * n[2] <= 0) {
                return format(
                    "winding: triangle %.0f is clockwise seen from the normal of its vertex %.0f",
                    t, m.corner(t, k));
            }
        }
    }
    return "";
}

}  // namespace meshcheck
