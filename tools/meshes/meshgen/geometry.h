// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// meshgen's small toolkit: double-precision vectors, a portable random generator, and the mesh
// that the land and the duck are built into before they are written as OBJ.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

inline constexpr double kPi = 3.14159265358979323846;

struct Vec3 {
    double x = 0, y = 0, z = 0;
};
inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(Vec3 a) {
    return std::sqrt(dot(a, a));
}
inline Vec3 lerp(Vec3 a, Vec3 b, double t) {
    return a + (b - a) * t;
}
inline Vec3 normalized(Vec3 a) {
    return a * (1.0 / length(a));
}

inline double smoothstep(double e0, double e1, double x) {
    double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// A small linear congruential generator: the same numbers on every platform, unlike rand().
struct Random {
    uint64_t state;
    explicit Random(uint64_t seed) : state(seed) {}
    double next() {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(state >> 11) / double(1ULL << 53);
    }
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }
};

// Positions are stored as floats, so every value is rounded to float before it is used for
// anything that is checked later (normals, texture coordinates, heights).
inline double asFloat(double v) {
    return double(float(v));
}

// One mesh as the OBJ file holds it: one index per vertex for position, normal and (for the
// land) texture coordinates.
struct Mesh {
    std::vector<Vec3> positions;
    std::vector<Vec3> normals;
    std::vector<std::array<double, 2>> texCoords;
    std::vector<std::array<int, 3>> triangles;
};

// Area-weighted vertex normals over the given triangles.
std::vector<Vec3> smoothNormals(const std::vector<Vec3>& pos,
                                const std::vector<std::array<int, 3>>& tris);

// The two shapes. The land comes without normals: main smooths them over its triangles.
Mesh makeLand();
Mesh makeDuck();
