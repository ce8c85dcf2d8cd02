// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Disks set into the duck's host grids: the hole, the loops inside it and the pole.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

#include "tools/meshes/meshgen/duck.h"

double roundShape(double) {
    return 1;
}

void localCoords(const Feature& f, double u, double v, double* q, double* psi) {
    double a = f.mirror * std::remainder(u - f.u0, 2 * kPi) / f.radiusU;
    double b = (v - f.v0) / f.radiusV;
    double angle = std::atan2(b, a);
    if (angle < 0) {
        angle += 2 * kPi;
    }
    *psi = angle;
    *q = std::hypot(a, b) / f.shape(angle);
}

std::array<double, 2> hostParam(const Feature& f, double q, double psi) {
    double r = q * f.shape(psi);
    return {f.u0 + f.mirror * f.radiusU * r * std::cos(psi), f.v0 + f.radiusV * r * std::sin(psi)};
}

void cutFeature(DuckBuilder& b, Grid& g, const Feature& f) {
    // Cells with any corner inside the outline are removed, so every vertex left on the hole's
    // edge lies outside it and moves inward onto it, away from the cells that stay...
    int rows = int(g.rows.size()) - 1;
    std::vector<std::vector<bool>> mine(rows, std::vector<bool>(kAround, false));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < kAround; ++c) {
            for (auto [dr, dc] : {std::pair{0, 0}, {0, 1}, {1, 1}, {1, 0}}) {
                auto p = b.param[g.rows[r + dr][(c + dc) % kAround]];
                double q, psi;
                localCoords(f, p[0], p[1], &q, &psi);
                if (q < 1) {
                    mine[r][c] = true;
                }
            }
        }
    }
    // Cells that touch the hole only at a corner join it, so that its edge is one simple loop.
    for (bool changed = true; changed;) {
        changed = false;
        for (int r = 0; r + 1 < rows; ++r) {
            for (int c = 0; c < kAround; ++c) {
                int cn = (c + 1) % kAround;
                bool a = mine[r][c], bb = mine[r][cn], cc = mine[r + 1][c], d = mine[r + 1][cn];
                if ((a && d && !bb && !cc) || (bb && cc && !a && !d)) {
                    mine[r][a ? cn : c] = true;
                    changed = true;
                }
            }
        }
    }
    // ...then the hole's edge is walked counter-clockwise in the parameter plane.
    std::map<int, int> next;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < kAround; ++c) {
            if (!mine[r][c]) {
                continue;
            }
            int cn = (c + 1) % kAround, cp = (c + kAround - 1) % kAround;
            int v00 = g.rows[r][c], v01 = g.rows[r][cn], v11 = g.rows[r + 1][cn],
                v10 = g.rows[r + 1][c];
            if (r == 0 || !mine[r - 1][c])
                next[v00] = v01;
            if (!mine[r][cn])
                next[v01] = v11;
            if (r + 1 == rows || !mine[r + 1][c])
                next[v11] = v10;
            if (!mine[r][cp])
                next[v10] = v00;
        }
    }
    std::vector<int> hole{next.begin()->first};
    while (next[hole.back()] != hole.front()) {
        hole.push_back(next[hole.back()]);
        if (hole.size() > next.size()) {
            std::fprintf(stderr, "meshgen: a feature's hole is not one loop\n");
            std::exit(1);
        }
    }
    if (hole.size() != next.size()) {
        std::fprintf(stderr, "meshgen: a feature's hole touches itself\n");
        std::exit(1);
    }
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < kAround; ++c) {
            if (mine[r][c] && (g.removed[r][c] || r == 0 || r + 1 == rows)) {
                std::fprintf(stderr,
                             "meshgen: the feature at (%g, %g) overlaps another or "
                             "reaches its grid's edge\n",
                             f.u0, f.v0);
                std::exit(1);
            }
            g.removed[r][c] = g.removed[r][c] || mine[r][c];
        }
    }
    // Its vertices move out onto the outline, so the hole is as round as the feature.
    std::vector<std::pair<double, int>> byAngle;
    for (int v : hole) {
        double q, psi;
        localCoords(f, b.param[v][0], b.param[v][1], &q, &psi);
        auto p = hostParam(f, 1, psi);
        b.pos[v] = g.surface(p[0], p[1]);
        b.param[v] = {p[0], p[1]};
        byAngle.push_back({psi, v});
    }
    std::sort(byAngle.begin(), byAngle.end());

    // Loops, each a ring of vertices at even angles, joined ring to ring by merging on angle.
    std::vector<std::pair<double, int>> outer = byAngle;
    int outerGroup = g.group;
    auto join = [&](const std::vector<std::pair<double, int>>& A,
                    const std::vector<std::pair<double, int>>& B, int group) {
        size_t i = 0, j = 0;
        while (i < A.size() || j < B.size()) {
            double na =
                i < A.size() ? (i + 1 < A.size() ? A[i + 1].first : A[0].first + 2 * kPi) : 1e9;
            double nb =
                j < B.size() ? (j + 1 < B.size() ? B[j + 1].first : B[0].first + 2 * kPi) : 1e9;
            int a0 = A[i % A.size()].second, b0 = B[j % B.size()].second;
            if (na <= nb) {
                b.triangle(a0, A[(i + 1) % A.size()].second, b0, group, f.mirror < 0);
                ++i;
            } else {
                b.triangle(a0, B[(j + 1) % B.size()].second, b0, group, f.mirror < 0);
                ++j;
            }
        }
    };
    for (const auto& loop : f.loops) {
        std::vector<std::pair<double, int>> ring;
        for (int k = 0; k < loop.count; ++k) {
            double psi = std::fmod(f.angleOffset + 2 * kPi * k / loop.count + 4 * kPi, 2 * kPi);
            if (loop.lowerCount > 0) {
                int upper = loop.count - loop.lowerCount;
                psi = k < upper ? kPi * k / upper : kPi + kPi * (k - upper) / loop.lowerCount;
            }
            auto p = hostParam(f, loop.q, psi);
            ring.push_back({psi, b.vertex(f.place(f, loop.q, psi), p[0], p[1])});
            b.billAngle.back() = psi;
        }
        std::sort(ring.begin(), ring.end());
        join(outer, ring, outerGroup);
        outer = ring;
        outerGroup = loop.groupInside;
    }
    auto c = hostParam(f, 0, 0);
    int pole = b.vertex(f.place(f, 0, 0), c[0], c[1]);
    for (size_t k = 0; k < outer.size(); ++k) {
        // The pole's own angle is meaningless; the triangle takes its side from its outer edge.
        b.billAngle[pole] =
            outer[k].first +
            0.5 * std::remainder(outer[(k + 1) % outer.size()].first - outer[k].first, 2 * kPi);
        b.triangle(outer[k].second, outer[(k + 1) % outer.size()].second, pole, outerGroup,
                   f.mirror < 0);
    }
}
