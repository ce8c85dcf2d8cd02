// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "tools/meshes/meshgen/geometry.h"

std::vector<Vec3> smoothNormals(const std::vector<Vec3>& pos,
                                const std::vector<std::array<int, 3>>& tris) {
    std::vector<Vec3> n(pos.size());
    for (const auto& t : tris) {
        Vec3 f = cross(pos[t[1]] - pos[t[0]], pos[t[2]] - pos[t[0]]);
        for (int v : t) {
            n[v] = n[v] + f;
        }
    }
    for (auto& v : n) {
        v = normalized(v);
    }
    return n;
}
