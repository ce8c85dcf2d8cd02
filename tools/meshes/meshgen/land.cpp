// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The land: a flat skirt round hills and a pond basin, sampled by greedy refinement of a Delaunay
// triangulation until it has its vertex count.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "assets/scene_layout.h"
#include "tools/meshes/meshgen/geometry.h"

using namespace assets;

namespace {

struct Point2 {
    double x, z;
};

// Bowyer-Watson Delaunay triangulation in the xz plane; triangles come out counter-clockwise
// seen from above (+y), i.e. ((b-a) x (c-a)).y > 0.
double orientUp(Point2 a, Point2 b, Point2 c) {
    return (b.z - a.z) * (c.x - a.x) - (b.x - a.x) * (c.z - a.z);
}

bool inCircumcircle(Point2 a, Point2 b, Point2 c, Point2 p) {
    // Sign of the in-circle determinant, oriented by the triangle's own winding.
    double adx = a.x - p.x, adz = a.z - p.z;
    double bdx = b.x - p.x, bdz = b.z - p.z;
    double cdx = c.x - p.x, cdz = c.z - p.z;
    double det = (adx * adx + adz * adz) * (bdx * cdz - cdx * bdz) -
                 (bdx * bdx + bdz * bdz) * (adx * cdz - cdx * adz) +
                 (cdx * cdx + cdz * cdz) * (adx * bdz - bdx * adz);
    // det > 0 means inside for a triangle counter-clockwise in (x, z); ours is clockwise there.
    return orientUp(a, b, c) > 0 ? det < 0 : det > 0;
}

std::vector<std::array<int, 3>> delaunay(const std::vector<Point2>& pts) {
    const int n = int(pts.size());
    std::vector<Point2> all = pts;
    const double big = 1e6;
    all.push_back({-big, -big});
    all.push_back({big * 2, -big});
    all.push_back({0, big * 2});
    std::vector<std::array<int, 3>> tris;
    auto add = [&](int a, int b, int c) {
        if (orientUp(all[a], all[b], all[c]) < 0) {
            std::swap(b, c);
        }
        tris.push_back({a, b, c});
    };
    add(n, n + 1, n + 2);
    for (int i = 0; i < n; ++i) {
        std::map<std::pair<int, int>, int> edges;
        std::vector<std::array<int, 3>> kept;
        for (const auto& t : tris) {
            if (inCircumcircle(all[t[0]], all[t[1]], all[t[2]], all[i])) {
                for (int e = 0; e < 3; ++e) {
                    int a = t[e], b = t[(e + 1) % 3];
                    ++edges[{std::min(a, b), std::max(a, b)}];
                }
            } else {
                kept.push_back(t);
            }
        }
        tris = std::move(kept);
        for (const auto& [edge, count] : edges) {
            if (count == 1) {
                add(edge.first, edge.second, i);
            }
        }
    }
    std::vector<std::array<int, 3>> result;
    for (const auto& t : tris) {
        if (t[0] < n && t[1] < n && t[2] < n) {
            result.push_back(t);
        }
    }
    return result;
}

// The terrain before it is sampled: a flat skirt, hills in the middle, and the pond basin.
double hillHeight(double x, double z) {
    if (x < kHillRegion.minX || x > kHillRegion.maxX || z < kHillRegion.minZ ||
        z > kHillRegion.maxZ) {
        return 0;
    }
    struct Bump {
        double x, z, sx, sz, height;
    };
    static const Bump bumps[] = {
        {-118, -92, 34, 30, 16.2}, {-35, -112, 30, 22, 9.5}, {48, -96, 36, 30, 12.0},
        {92, -20, 22, 34, 7.5},    {70, 78, 38, 32, 11.0},   {-12, 112, 34, 20, 8.0},
        {-130, 96, 28, 34, 9.0},   {-146, 8, 18, 40, 6.5},   {28, 40, 16, 14, 3.2},
    };
    double h = 0.35;
    for (const auto& b : bumps) {
        double dx = (x - b.x) / b.sx, dz = (z - b.z) / b.sz;
        h += b.height * std::exp(-(dx * dx + dz * dz));
    }
    // Lowland around the pond and the grove stays flat; the hills rise beyond it.
    double pondDx = std::max({kBasinRegion.minX - 8 - x, x - (kBasinRegion.maxX + 8), 0.0});
    double pondDz = std::max({kBasinRegion.minZ - 8 - z, z - (kBasinRegion.maxZ + 8), 0.0});
    double groveDx = std::max({-14 - x, x - 12, 0.0});
    double groveDz = std::max({-18 - z, z - 18, 0.0});
    double away = std::min(std::hypot(pondDx, pondDz), std::hypot(groveDx, groveDz));
    return h * smoothstep(0, 22, away);
}

double basinDepth(double x, double z) {
    if (x <= kBasinRegion.minX || x >= kBasinRegion.maxX || z <= kBasinRegion.minZ ||
        z >= kBasinRegion.maxZ) {
        return 0;
    }
    // A shallow dish over the whole basin, a deep bowl in its west and a hollow in its east
    // where the ducks float; the rim tapers to nothing at the basin's edge.
    double edge = std::min({x - kBasinRegion.minX, kBasinRegion.maxX - x, z - kBasinRegion.minZ,
                            kBasinRegion.maxZ - z});
    double taper = smoothstep(0, 9, edge);
    auto gauss = [](double x, double z, double cx, double cz, double sx, double sz) {
        double dx = (x - cx) / sx, dz = (z - cz) / sz;
        return std::exp(-(dx * dx + dz * dz));
    };
    double d = 0.1 + 0.55 * gauss(x, z, -22, 58, 12, 10);
    d += 14.3 * gauss(x, z, -66, 10, 20, 20);
    d += 6.08 * gauss(x, z, -22, 10, 7, 6);
    return -taper * d;
}

double terrain(double x, double z) {
    return hillHeight(x, z) + basinDepth(x, z);
}

struct LandPoint {
    double x, y, z;
};

struct Triangulation {
    std::vector<LandPoint> pts;
    std::vector<std::array<int, 3>> tris;
};

Triangulation triangulate(const std::vector<LandPoint>& pts) {
    std::vector<Point2> flat;
    for (const auto& p : pts) {
        flat.push_back({p.x, p.z});
    }
    return {pts, delaunay(flat)};
}

// Where the sampled surface is furthest from the terrain, inside each triangle; greedy
// refinement then puts new vertices there.
struct Candidate {
    double error, x, z;
};

std::vector<Candidate> worstPerTriangle(const Triangulation& tr, double step) {
    std::vector<Candidate> result;
    for (const auto& t : tr.tris) {
        const LandPoint &a = tr.pts[t[0]], &b = tr.pts[t[1]], &c = tr.pts[t[2]];
        double minX = std::min({a.x, b.x, c.x}), maxX = std::max({a.x, b.x, c.x});
        double minZ = std::min({a.z, b.z, c.z}), maxZ = std::max({a.z, b.z, c.z});
        if (maxX < kHillRegion.minX - 20 || minX > kHillRegion.maxX + 20 ||
            maxZ < kHillRegion.minZ - 20 || minZ > kHillRegion.maxZ + 20) {
            continue;
        }
        double area = orientUp({a.x, a.z}, {b.x, b.z}, {c.x, c.z});
        Candidate best{0, 0, 0};
        for (double x = std::ceil(minX / step) * step; x <= maxX; x += step) {
            for (double z = std::ceil(minZ / step) * step; z <= maxZ; z += step) {
                double wa = orientUp({x, z}, {b.x, b.z}, {c.x, c.z}) / area;
                double wb = orientUp({a.x, a.z}, {x, z}, {c.x, c.z}) / area;
                double wc = 1 - wa - wb;
                // Stay clear of the edges so that new vertices never crowd old ones.
                if (wa < 0.12 || wb < 0.12 || wc < 0.12) {
                    continue;
                }
                double h = terrain(x, z);
                if (h == 0) {
                    continue;  // flat ground needs no vertices; keeps the y = 0 count fixed
                }
                double err = std::fabs(h - (wa * a.y + wb * b.y + wc * c.y));
                if (err > best.error) {
                    best = {err, x, z};
                }
            }
        }
        if (best.error > 0) {
            result.push_back(best);
        }
    }
    std::sort(result.begin(), result.end(),
              [](const Candidate& p, const Candidate& q) { return p.error > q.error; });
    return result;
}

}  // namespace

Mesh makeLand() {
    std::vector<LandPoint> pts;
    auto add = [&](double x, double y, double z) { pts.push_back({x, asFloat(y), z}); };
    // The corners, in the order the arrays start with; index 2 is filled in at the end.
    add(kLandExtent.minX, 0, kLandExtent.maxZ);
    add(kLandExtent.maxX, 0, kLandExtent.maxZ);
    add(kLandExtent.maxX, 0, kLandExtent.minZ);
    add(kLandExtent.minX, 0, kLandExtent.minZ);

    // Fixed spots: the deepest point, the highest, the ground under the signposts and under the
    // ducks, and one vertex on each edge of the hill and basin boxes so that both reach them.
    add(-66, kLandLowestY, 10);
    add(-118, kLandHighestY, -92);
    for (const LevelSpot& spot : kLevelSpots) {
        add(spot.x, spot.groundY, spot.z);
    }
    add(kBasinRegion.minX, -0.02, 20);
    add(kBasinRegion.maxX, -0.02, 36);
    add(-70, -0.02, kBasinRegion.minZ);
    add(-50, -0.02, kBasinRegion.maxZ);
    add(kHillRegion.minX, terrain(kHillRegion.minX, 0), 0);
    add(kHillRegion.maxX, terrain(kHillRegion.maxX, -40), -40);
    add(-60, terrain(-60, kHillRegion.minZ), kHillRegion.minZ);
    add(30, terrain(30, kHillRegion.maxZ), kHillRegion.maxZ);

    // The grove stands on a flat patch: a ring of level vertices keeps it so.
    int zeroCount = 4;
    const double groveX = (kGroveArea.minX + kGroveArea.maxX) / 2;
    const double groveZ = (kGroveArea.minZ + kGroveArea.maxZ) / 2;
    for (int i = 0; i < 10; ++i) {
        double a = 2 * kPi * (i + 0.5) / 10;
        add(groveX + 9 * std::cos(a), 0, groveZ + 13 * std::sin(a));
        ++zeroCount;
    }
    // A level ring just outside the hills joins them to the skirt, and a sparse outer ring keeps
    // the skirt's triangles from growing needle-thin.
    const int outerRing = 16;
    const int hillRing = kLandLevelVertexCount - zeroCount - outerRing;
    const double cx = (kHillRegion.minX + kHillRegion.maxX) / 2,
                 cz = (kHillRegion.minZ + kHillRegion.maxZ) / 2;
    const double rx = (kHillRegion.maxX - kHillRegion.minX) / 2,
                 rz = (kHillRegion.maxZ - kHillRegion.minZ) / 2;
    const double perimeter = 4 * (rx + rz + 28);
    for (int i = 0; i < hillRing; ++i) {
        // Evenly along a rectangle 14 units outside the hill box, a little jittered so that no
        // four vertices share a circle.
        double d = perimeter * (i + 0.5) / hillRing, x, z;
        double w = 2 * (rx + 14), h = 2 * (rz + 14);
        if (d < w) {
            x = -rx - 14 + d, z = -rz - 14;
        } else if (d < w + h) {
            x = rx + 14, z = -rz - 14 + (d - w);
        } else if (d < 2 * w + h) {
            x = rx + 14 - (d - w - h), z = rz + 14;
        } else {
            x = -rx - 14, z = rz + 14 - (d - 2 * w - h);
        }
        add(cx + x + 0.37 * std::sin(7.1 * i), 0, cz + z + 0.41 * std::cos(5.3 * i));
    }
    for (int i = 0; i < outerRing; ++i) {
        double a = 2 * kPi * (i + 0.5) / outerRing;
        add(cx + 420 * std::cos(a), 0, cz + 330 * std::sin(a));
    }
    zeroCount += hillRing + outerRing;

    // A jittered seed grid over the relief, skipping level ground.
    Random random(20060607);
    const double step = 24;
    for (double x = kHillRegion.minX + step / 2; x < kHillRegion.maxX; x += step) {
        for (double z = kHillRegion.minZ + step / 2; z < kHillRegion.maxZ; z += step) {
            double jx = x + random.range(-4, 4), jz = z + random.range(-4, 4);
            double h = terrain(jx, jz);
            if (h != 0) {
                add(jx, h, jz);
            }
        }
    }

    // Greedy refinement: add vertices where the surface departs most from the terrain.
    Triangulation tr = triangulate(pts);
    while (int(pts.size()) < kLandVertexCount) {
        auto worst = worstPerTriangle(tr, 0.75);
        int room = kLandVertexCount - int(pts.size());
        int batch = std::min<int>({room, std::max(1, int(worst.size()) / 8), int(worst.size())});
        for (int i = 0; i < batch; ++i) {
            add(worst[i].x, terrain(worst[i].x, worst[i].z), worst[i].z);
        }
        tr = triangulate(pts);
    }

    // The first triangle is (1, 2, 0): the one on the far edge between the first two corners.
    int apex = -1, firstTri = -1;
    for (int t = 0; t < int(tr.tris.size()); ++t) {
        std::set<int> s(tr.tris[t].begin(), tr.tris[t].end());
        if (s.count(0) && s.count(1)) {
            firstTri = t;
            for (int v : tr.tris[t]) {
                if (v != 0 && v != 1) {
                    apex = v;
                }
            }
        }
    }
    std::vector<int> order(pts.size());
    for (int i = 0; i < int(pts.size()); ++i) {
        order[i] = i;
    }
    std::swap(order[2], order[apex]);  // order[new] = old
    std::vector<int> newIndex(pts.size());
    for (int i = 0; i < int(pts.size()); ++i) {
        newIndex[order[i]] = i;
    }
    std::swap(tr.tris[0], tr.tris[firstTri]);
    Mesh m;
    for (int i = 0; i < int(pts.size()); ++i) {
        const LandPoint& p = pts[order[i]];
        m.positions.push_back({asFloat(p.x), p.y, asFloat(p.z)});
    }
    for (auto t : tr.tris) {
        m.triangles.push_back({newIndex[t[0]], newIndex[t[1]], newIndex[t[2]]});
    }
    auto& first = m.triangles[0];
    while (first[0] != 1) {
        std::rotate(first.begin(), first.begin() + 1, first.end());
    }
    for (const auto& p : m.positions) {
        m.texCoords.push_back({landTextureS(p.x), landTextureT(p.z)});
    }
    std::printf("land: %zu vertices (%d level), %zu triangles\n", m.positions.size(), zeroCount,
                m.triangles.size());
    return m;
}
