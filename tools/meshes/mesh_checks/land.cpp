// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The checks of the land: its extent, relief, texture projection, triangulation, and the ground
// under the grove, the signposts, the ducks and the water.
#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "assets/scene_layout.h"
#include "tools/meshes/mesh_checks/support.h"

using namespace assets;

namespace meshcheck {

namespace {

constexpr int kLandIndexCount = 4074;

// Bounds compare as the floats the arrays hold, so a vertex placed on a bound is inside.
bool contains(const GroundBox& box, double x, double z) {
    return x >= float(box.minX) && x <= float(box.maxX) && z >= float(box.minZ) &&
           z <= float(box.maxZ);
}

// " x a..b, z c..d", for messages.
std::string boxText(const GroundBox& box) {
    return format(" x %.9g..%.9g, z %.9g..%.9g", box.minX, box.maxX, box.minZ, box.maxZ);
}

std::string landCountCheck(const MeshView& m) {
    return checkCounts(m, "land", kLandVertexCount, kLandIndexCount);
}

}  // namespace

double landS(double x) {
    return landTextureS(x);
}
double landT(double z) {
    return landTextureT(z);
}

std::string checkLandExtent(const MeshView& m) {
    double lo[3] = {1e30, 1e30, 1e30}, hi[3] = {-1e30, -1e30, -1e30};
    for (int i = 0; i < m.vertexCount; ++i) {
        for (int k = 0; k < 3; ++k) {
            lo[k] = std::min(lo[k], double(m.vertices[3 * i + k]));
            hi[k] = std::max(hi[k], double(m.vertices[3 * i + k]));
        }
    }
    const double want[6] = {kLandExtent.minX, kLandLowestY,  kLandExtent.minZ,
                            kLandExtent.maxX, kLandHighestY, kLandExtent.maxZ};
    for (int k = 0; k < 3; ++k) {
        if (!near(lo[k], want[k], 1e-4) || !near(hi[k], want[k + 3], 1e-4)) {
            return format("land bounding box: axis %.0f spans %.9g to %.9g, expected %.9g to %.9g",
                          k, lo[k], hi[k], want[k], want[k + 3]);
        }
    }
    // Its four outermost vertices are the corners, at y = 0.
    for (int i = 0; i < m.vertexCount; ++i) {
        bool onX = m.x(i) == float(kLandExtent.minX) || m.x(i) == float(kLandExtent.maxX);
        bool onZ = m.z(i) == float(kLandExtent.minZ) || m.z(i) == float(kLandExtent.maxZ);
        if ((onX || onZ) && !(onX && onZ && m.y(i) == 0)) {
            return "land boundary: " + vertexText(m, i) +
                   " lies on the rectangle's edge but is not a level corner";
        }
    }
    return "";
}

std::string checkLandStart(const MeshView& m) {
    // The two corners of the far edge, west then east.
    struct Expected {
        double x, z, s, t;
    } corner[2] = {{kLandExtent.minX, kLandExtent.maxZ, landTextureS(kLandExtent.minX),
                    landTextureT(kLandExtent.maxZ)},
                   {kLandExtent.maxX, kLandExtent.maxZ, landTextureS(kLandExtent.maxX),
                    landTextureT(kLandExtent.maxZ)}};
    for (int i = 0; i < 2; ++i) {
        const float* n = m.normals + 3 * i;
        if (!near(m.x(i), corner[i].x, 5e-4) || m.y(i) != 0 || !near(m.z(i), corner[i].z, 5e-4)) {
            return "first vertices: " + vertexText(m, i) +
                   format(" is not (%.9g, 0, %.9g)", corner[i].x, corner[i].z);
        }
        if (n[0] != 0 || n[1] != 1 || n[2] != 0) {
            return format(
                "first vertices: vertex %.0f has normal (%.9g, %.9g, %.9g), not (0, 1, 0)", i, n[0],
                n[1], n[2]);
        }
        if (!near(m.texCoords[2 * i], corner[i].s, 5e-5) ||
            !near(m.texCoords[2 * i + 1], corner[i].t, 5e-5)) {
            return format("first vertices: vertex %.0f has texture coordinates (%.9g, %.9g)", i,
                          m.texCoords[2 * i], m.texCoords[2 * i + 1]);
        }
    }
    if (m.corner(0, 0) != 1 || m.corner(0, 1) != 2 || m.corner(0, 2) != 0) {
        return format("first triangle: (%.0f, %.0f, %.0f), not (1, 2, 0)", m.corner(0, 0),
                      m.corner(0, 1), m.corner(0, 2));
    }
    return "";
}

std::string checkLandLevelCount(const MeshView& m) {
    int level = 0;
    for (int i = 0; i < m.vertexCount; ++i) {
        level += m.y(i) == 0;
    }
    if (level != kLandLevelVertexCount) {
        return "level skirt: " + std::to_string(level) + " vertices lie at y = 0, not " +
               std::to_string(kLandLevelVertexCount);
    }
    return "";
}

// Hills only in their region, up to the peak; below-zero ground only in the basin, down to
// its floor. Each region is reached to within 0.05 on every side, so that none has shrunk.
std::string checkLandRelief(const MeshView& m) {
    double hill[4] = {1e30, -1e30, 1e30, -1e30}, basin[4] = {1e30, -1e30, 1e30, -1e30};
    for (int i = 0; i < m.vertexCount; ++i) {
        double x = m.x(i), y = m.y(i), z = m.z(i);
        double* box = nullptr;
        if (y > 0) {
            if (!contains(kHillRegion, x, z)) {
                return "hill region: " + vertexText(m, i) + " is above 0 outside" +
                       boxText(kHillRegion);
            }
            box = hill;
        } else if (y < 0) {
            if (!contains(kBasinRegion, x, z)) {
                return "basin region: " + vertexText(m, i) + " is below 0 outside" +
                       boxText(kBasinRegion);
            }
            box = basin;
        } else {
            continue;
        }
        box[0] = std::min(box[0], x), box[1] = std::max(box[1], x);
        box[2] = std::min(box[2], z), box[3] = std::max(box[3], z);
    }
    const GroundBox* regions[2] = {&kHillRegion, &kBasinRegion};
    double* found[2] = {hill, basin};
    const char* names[2] = {"hill region", "basin region"};
    for (int r = 0; r < 2; ++r) {
        const GroundBox& b = *regions[r];
        const double* f = found[r];
        if (!near(f[0], b.minX, 0.05) || !near(f[1], b.maxX, 0.05) || !near(f[2], b.minZ, 0.05) ||
            !near(f[3], b.maxZ, 0.05)) {
            return std::string(names[r]) +
                   format(": its vertices span x %.9g..%.9g, z %.9g..%.9g, not the whole region",
                          f[0], f[1], f[2], f[3]);
        }
    }
    return "";
}

std::string checkLandTexCoords(const MeshView& m) {
    for (int i = 0; i < m.vertexCount; ++i) {
        if (!near(m.texCoords[2 * i], landS(m.x(i)), 1e-5) ||
            !near(m.texCoords[2 * i + 1], landT(m.z(i)), 1e-5)) {
            return "texture projection: " + vertexText(m, i) +
                   format(" has (%.9g, %.9g), the projection gives (%.9g, %.9g)",
                          m.texCoords[2 * i], m.texCoords[2 * i + 1], landS(m.x(i)), landT(m.z(i)));
        }
    }
    return "";
}

// Every triangle counter-clockwise from above, the only border edges the rectangle's four sides,
// every other edge shared by exactly two triangles, and the areas summing to the rectangle's:
// together these make the land one planar triangulation of its rectangle.
std::string checkLandTriangulation(const MeshView& m) {
    std::map<std::pair<unsigned, unsigned>, int> edges;
    double area = 0;
    for (int t = 0; t < m.triangleCount(); ++t) {
        auto f = faceNormal(m, t);
        if (!(f[1] > 0)) {
            return format("faces up: triangle %.0f is not counter-clockwise seen from above", t);
        }
        area += f[1] / 2;
        for (int k = 0; k < 3; ++k) {
            unsigned a = m.corner(t, k), b = m.corner(t, (k + 1) % 3);
            ++edges[{std::min(a, b), std::max(a, b)}];
        }
    }
    int border = 0;
    for (const auto& [edge, uses] : edges) {
        unsigned a = edge.first, b = edge.second;
        if (uses == 2) {
            continue;
        }
        bool sameX = m.x(a) == m.x(b) &&
                     (m.x(a) == float(kLandExtent.minX) || m.x(a) == float(kLandExtent.maxX));
        bool sameZ = m.z(a) == m.z(b) &&
                     (m.z(a) == float(kLandExtent.minZ) || m.z(a) == float(kLandExtent.maxZ));
        if (uses != 1 || !(sameX || sameZ)) {
            return format("triangulation: edge (%.0f, %.0f) is used by %.0f triangles", a, b, uses);
        }
        ++border;
    }
    if (border != 4) {
        return "triangulation: " + std::to_string(border) +
               " border edges, expected the rectangle's 4 sides";
    }
    double want = (kLandExtent.maxX - kLandExtent.minX) * (kLandExtent.maxZ - kLandExtent.minZ);
    if (std::fabs(area - want) > 1e-6 * want) {
        return format("triangulation: triangle areas sum to %.9g, the rectangle's is %.9g", area,
                      want);
    }
    return "";
}

bool groundHeight(const MeshView& m, double x, double z, double* height) {
    for (int t = 0; t < m.triangleCount(); ++t) {
        unsigned a = m.corner(t, 0), b = m.corner(t, 1), c = m.corner(t, 2);
        auto cross = [&](unsigned p, unsigned q, double px, double pz) {
            return (m.z(q) - m.z(p)) * (px - m.x(p)) - (m.x(q) - m.x(p)) * (pz - m.z(p));
        };
        double whole = cross(a, b, m.x(c), m.z(c));
        double wa = cross(b, c, x, z) / whole, wb = cross(c, a, x, z) / whole;
        double wc = 1 - wa - wb;
        const double eps = -1e-9;
        if (wa >= eps && wb >= eps && wc >= eps) {
            *height = wa * m.y(a) + wb * m.y(b) + wc * m.y(c);
            return true;
        }
    }
    return false;
}

namespace {

// Visits the ground on a grid of step `step` over a box, triangle by triangle.
template <typename Visit>
void sampleGround(const MeshView& m, const GroundBox& box, double step, Visit visit) {
    for (int t = 0; t < m.triangleCount(); ++t) {
        unsigned a = m.corner(t, 0), b = m.corner(t, 1), c = m.corner(t, 2);
        double x0 = std::max(box.minX, std::min({m.x(a), m.x(b), m.x(c)}));
        double x1 = std::min(box.maxX, std::max({m.x(a), m.x(b), m.x(c)}));
        double z0 = std::max(box.minZ, std::min({m.z(a), m.z(b), m.z(c)}));
        double z1 = std::min(box.maxZ, std::max({m.z(a), m.z(b), m.z(c)}));
        auto cross = [&](unsigned p, unsigned q, double px, double pz) {
            return (m.z(q) - m.z(p)) * (px - m.x(p)) - (m.x(q) - m.x(p)) * (pz - m.z(p));
        };
        double whole = cross(a, b, m.x(c), m.z(c));
        for (double x = box.minX + std::ceil((x0 - box.minX) / step) * step; x <= x1; x += step) {
            for (double z = box.minZ + std::ceil((z0 - box.minZ) / step) * step; z <= z1;
                 z += step) {
                double wa = cross(b, c, x, z) / whole, wb = cross(c, a, x, z) / whole;
                double wc = 1 - wa - wb;
                if (wa >= 0 && wb >= 0 && wc >= 0) {
                    visit(t, x, z, wa * m.y(a) + wb * m.y(b) + wc * m.y(c));
                }
            }
        }
    }
}

}  // namespace

// The grove's ground is nearly level, and the signposts and the ducks stand where the ground
// has the heights the scene was laid out for.
std::string checkLandGround(const MeshView& m) {
    std::string problem;
    // The surface is linear in each triangle, so a fine grid plus the vertices inside the box
    // finds its extremes there closely enough for a 0.02 band.
    const std::string band = format(" leaves %.9g..%.9g", kGroveLowestY, kGroveHighestY);
    sampleGround(m, kGroveArea, 0.05, [&](int t, double x, double z, double h) {
        if (problem.empty() && (h < kGroveLowestY || h > kGroveHighestY)) {
            problem =
                format("grove ground: height %.9g at (%.9g, %.9g) in triangle %.0f", h, x, z, t) +
                band;
        }
    });
    for (int i = 0; i < m.vertexCount && problem.empty(); ++i) {
        if (contains(kGroveArea, m.x(i), m.z(i)) &&
            (m.y(i) < kGroveLowestY || m.y(i) > kGroveHighestY)) {
            problem = "grove ground: " + vertexText(m, i) + band;
        }
    }
    if (!problem.empty()) {
        return problem;
    }
    for (const LevelSpot& spot : kLevelSpots) {
        double h = 0;
        if (!groundHeight(m, spot.x, spot.z, &h) || !near(h, spot.groundY, spot.tolerance)) {
            return std::string("ground under the ") + spot.what +
                   format(": height %.9g at (%.9g, %.9g), expected %.9g", h, spot.x, spot.z,
                          spot.groundY);
        }
    }
    return "";
}

// The water quad covers the pond: wherever the ground lies below the water's highest corner it
// lies strictly inside the quad, and along the quad's border the ground stands above the water,
// so the land hides the margins. Some of the pond must be under water.
std::string checkLandWater(const MeshView& m) {
    const GroundBox around{kWaterQuad.minX - 40, kWaterQuad.maxX + 40, kWaterQuad.minZ - 40,
                           kWaterQuad.maxZ + 40};
    std::string problem;
    int wet = 0;
    const double step = 0.5;
    sampleGround(m, around, step, [&](int t, double x, double z, double h) {
        if (h >= kWaterHighY) {
            return;
        }
        ++wet;
        bool inside = x > kWaterQuad.minX + step / 2 && x < kWaterQuad.maxX - step / 2 &&
                      z > kWaterQuad.minZ + step / 2 && z < kWaterQuad.maxZ - step / 2;
        if (!inside && problem.empty()) {
            problem =
                format("water quad: ground at (%.9g, %.9g) in triangle %.0f is %.9g,", x, z, t, h) +
                " below the water outside or on the border of the quad";
        }
    });
    if (!problem.empty()) {
        return problem;
    }
    if (wet == 0) {
        return "water quad: no ground lies below the water";
    }
    return "";
}

const std::vector<NamedCheck>& landChecks() {
    static const std::vector<NamedCheck> checks = {
        {"counts", landCountCheck},
        {"triangle list", checkTriangleList},
        {"finite values", checkFinite},
        {"unit normals", checkUnitNormals},
        {"winding", checkWinding},
        {"bounding box", checkLandExtent},
        {"first vertices and triangle", checkLandStart},
        {"level skirt", checkLandLevelCount},
        {"relief regions", checkLandRelief},
        {"texture projection", checkLandTexCoords},
        {"triangulation", checkLandTriangulation},
        {"ground at grove, signposts and ducks", checkLandGround},
        {"water quad", checkLandWater},
    };
    return checks;
}

}  // namespace meshcheck
