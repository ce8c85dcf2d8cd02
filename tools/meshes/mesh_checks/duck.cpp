// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The checks of the duck: its extent, orientation, symmetry, closed surface and hard edges.
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "assets/scene_layout.h"
#include "tools/meshes/mesh_checks/support.h"

using namespace assets;

namespace meshcheck {

namespace {

constexpr int kDuckVertexCount = 3174;
constexpr int kDuckIndexCount = 11592;

std::string duckCountCheck(const MeshView& m) {
    return checkCounts(m, "duck", kDuckVertexCount, kDuckIndexCount);
}

}  // namespace

std::string checkDuckExtent(const MeshView& m) {
    double lo[3] = {1e30, 1e30, 1e30}, hi[3] = {-1e30, -1e30, -1e30};
    int at[6] = {0, 0, 0, 0, 0, 0};
    for (int i = 0; i < m.vertexCount; ++i) {
        for (int k = 0; k < 3; ++k) {
            double v = m.vertices[3 * i + k];
            if (v < lo[k]) {
                lo[k] = v, at[k] = i;
            }
            if (v > hi[k]) {
                hi[k] = v, at[k + 3] = i;
            }
        }
    }
    for (int k = 0; k < 3; ++k) {
        if (!near(lo[k], kDuckModelMin[k], 5e-5) || !near(hi[k], kDuckModelMax[k], 5e-5)) {
            return format(
                       "duck bounding box: axis %.0f spans %.9g (vertex %.0f) to %.9g "
                       "(vertex %.0f), expected %.9g",
                       k, lo[k], at[k], hi[k], at[k + 3], kDuckModelMin[k]) +
                   format(" to %.9g", kDuckModelMax[k]);
        }
    }
    return "";
}

// The head lies toward -z with the beak toward +y; the body toward +z with the tail toward -y.
std::string checkDuckOrientation(const MeshView& m) {
    int top = 0, front = 0, back = 0;
    for (int i = 1; i < m.vertexCount; ++i) {
        top = m.z(i) < m.z(top) ? i : top;
        front = m.y(i) > m.y(front) ? i : front;
        back = m.y(i) < m.y(back) ? i : back;
    }
    double midZ = (kDuckModelMin[2] + kDuckModelMax[2]) / 2,
           midY = (kDuckModelMin[1] + kDuckModelMax[1]) / 2;
    if (m.y(top) <= midY) {
        return "duck orientation: its top, " + vertexText(m, top) + ", is not in the front half";
    }
    if (m.z(front) >= midZ) {
        return "duck orientation: its foremost point, " + vertexText(m, front) +
               ", is not in the upper half (the beak)";
    }
    if (m.z(back) >= kDuckModelMax[2] - (kDuckModelMax[2] - kDuckModelMin[2]) / 4) {
        return "duck orientation: its hindmost point, " + vertexText(m, back) +
               ", is not raised (the tail)";
    }
    return "";
}

// Close to mirror-symmetric about x = 0: every vertex has a mirror image among the vertices.
std::string checkDuckSymmetry(const MeshView& m) {
    const double tolerance = 3e-4;
    std::vector<std::array<double, 3>> sorted;
    for (int i = 0; i < m.vertexCount; ++i) {
        sorted.push_back({m.y(i), m.x(i), m.z(i)});
    }
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < m.vertexCount; ++i) {
        double mx = -m.x(i), y = m.y(i), z = m.z(i);
        auto it = std::lower_bound(sorted.begin(), sorted.end(),
                                   std::array<double, 3>{y - tolerance, -1e30, -1e30});
        bool found = false;
        for (; it != sorted.end() && (*it)[0] <= y + tolerance && !found; ++it) {
            found = std::fabs((*it)[1] - mx) <= tolerance && std::fabs((*it)[2] - z) <= tolerance;
        }
        if (!found) {
            return "duck symmetry: " + vertexText(m, i) + " has no mirror image about x = 0";
        }
    }
    return "";
}

// A closed surface: once vertices that share a position are welded, every edge joins exactly
// two triangles, in opposite directions, and the surface is one piece of genus 0.
std::string checkDuckClosed(const MeshView& m) {
    std::map<std::array<float, 3>, int> weld;
    std::vector<int> id(m.vertexCount);
    for (int i = 0; i < m.vertexCount; ++i) {
        std::array<float, 3> key{m.vertices[3 * i], m.vertices[3 * i + 1], m.vertices[3 * i + 2]};
        id[i] = weld.emplace(key, int(weld.size())).first->second;
    }
    std::map<std::pair<int, int>, int> directed;
    for (int t = 0; t < m.triangleCount(); ++t) {
        int c[3] = {id[m.corner(t, 0)], id[m.corner(t, 1)], id[m.corner(t, 2)]};
        if (c[0] == c[1] || c[1] == c[2] || c[0] == c[2]) {
            return format("closed surface: triangle %.0f collapses when vertices are welded", t);
        }
        for (int k = 0; k < 3; ++k) {
            if (++directed[{c[k], c[(k + 1) % 3]}] > 1) {
                return format("closed surface: triangle %.0f repeats a directed edge", t);
            }
        }
    }
    for (const auto& [edge, uses] : directed) {
        if (!directed.count({edge.second, edge.first})) {
            return format("closed surface: the edge between welded points %.0f and %.0f is open",
                          edge.first, edge.second);
        }
    }
    // One piece: walk the welded triangles.
    std::vector<int> parent(weld.size());
    for (size_t i = 0; i < parent.size(); ++i) {
        parent[i] = int(i);
    }
    auto root = [&](int v) {
        while (parent[v] != v) {
            v = parent[v] = parent[parent[v]];
        }
        return v;
    };
    for (int t = 0; t < m.triangleCount(); ++t) {
        parent[root(id[m.corner(t, 0)])] = root(id[m.corner(t, 1)]);
        parent[root(id[m.corner(t, 1)])] = root(id[m.corner(t, 2)]);
    }
    int pieces = 0;
    for (size_t i = 0; i < parent.size(); ++i) {
        pieces += root(int(i)) == int(i);
    }
    // Facing outward: the enclosed volume comes out positive.
    double volume = 0;
    for (int t = 0; t < m.triangleCount(); ++t) {
        unsigned a = m.corner(t, 0), b = m.corner(t, 1), c = m.corner(t, 2);
        volume += (m.x(a) * (m.y(b) * m.z(c) - m.z(b) * m.y(c)) -
                   m.y(a) * (m.x(b) * m.z(c) - m.z(b) * m.x(c)) +
                   m.z(a) * (m.x(b) * m.y(c) - m.y(b) * m.x(c))) /
                  6;
    }
    if (!(volume > 0)) {
        return format("closed surface: it faces inward (volume %.9g)", volume);
    }
    long euler = long(weld.size()) - long(directed.size() / 2) + long(m.triangleCount());
    if (pieces != 1 || euler != 2) {
        return "closed surface: " + std::to_string(pieces) + " pieces with Euler characteristic " +
               std::to_string(euler) + ", expected one piece of genus 0";
    }
    return "";
}

// Vertices are split only along hard edges: where several vertices share a position, their
// normals really differ. A few can meet at a shallow angle where creases fade out, so the check
// asks it of nearly all of them.
std::string checkDuckHardEdges(const MeshView& m) {
    std::map<std::array<float, 3>, std::vector<int>> copies;
    for (int i = 0; i < m.vertexCount; ++i) {
        copies[{m.vertices[3 * i], m.vertices[3 * i + 1], m.vertices[3 * i + 2]}].push_back(i);
    }
    int split = 0, soft = 0, worst = -1;
    double worstCos = -1;
    for (const auto& [position, ids] : copies) {
        if (ids.size() < 2) {
            continue;
        }
        ++split;
        double maxCos = -1;
        for (size_t a = 0; a < ids.size(); ++a) {
            for (size_t b = a + 1; b < ids.size(); ++b) {
                const float *p = m.normals + 3 * ids[a], *q = m.normals + 3 * ids[b];
                maxCos = std::max(maxCos,
                                  double(p[0]) * q[0] + double(p[1]) * q[1] + double(p[2]) * q[2]);
            }
        }
        if (maxCos > std::cos(5 * 3.14159265358979 / 180)) {
            ++soft;
        }
        if (maxCos > worstCos) {
            worstCos = maxCos, worst = ids[0];
        }
    }
    if (split == 0 || soft * 20 > split || worstCos > 0.9999999) {
        return "hard edges: " + std::to_string(soft) + " of " + std::to_string(split) +
               " split positions have copies with normals under 5 degrees apart; the closest is " +
               vertexText(m, worst);
    }
    return "";
}

const std::vector<NamedCheck>& duckChecks() {
    static const std::vector<NamedCheck> checks = {
        {"counts", duckCountCheck},
        {"triangle list", checkTriangleList},
        {"finite values", checkFinite},
        {"unit normals", checkUnitNormals},
        {"winding", checkWinding},
        {"bounding box", checkDuckExtent},
        {"orientation", checkDuckOrientation},
        {"symmetry", checkDuckSymmetry},
        {"closed surface", checkDuckClosed},
        {"hard edges", checkDuckHardEdges},
    };
    return checks;
}

}  // namespace meshcheck
