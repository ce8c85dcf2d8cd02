// Generates the two embedded meshes as Wavefront OBJ files: assets/land.obj and assets/duck.obj.
// Deterministic; run it on purpose when the shapes change, not at every build:
//
//     build/tools/meshgen assets
//
// The build then converts and checks the OBJ files (tools/obj2cpp.cpp). Each OBJ vertex carries
// its own v, vn (and vt for the land) at one shared index, so the OBJ vertex order is the array
// order the programs carry.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

const double kPi = 3.14159265358979323846;

struct Vec3 {
    double x = 0, y = 0, z = 0;
};
Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3 operator*(Vec3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double length(Vec3 a) {
    return std::sqrt(dot(a, a));
}
Vec3 lerp(Vec3 a, Vec3 b, double t) {
    return a + (b - a) * t;
}
Vec3 normalized(Vec3 a) {
    return a * (1.0 / length(a));
}

double smoothstep(double e0, double e1, double x) {
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
double asFloat(double v) {
    return double(float(v));
}

// ---------------------------------------------------------------------------------------------
// Land
// ---------------------------------------------------------------------------------------------

const double kLandMinX = -701.368, kLandMaxX = 692.102;
const double kLandMinZ = -500.587, kLandMaxZ = 493.495;
const double kHillMinX = -166.4, kHillMaxX = 121.7, kHillMinZ = -144.3, kHillMaxZ = 138.3;
const double kBasinMinX = -104.8, kBasinMaxX = -9.0, kBasinMinZ = -31.5, kBasinMaxZ = 67.9;
const double kPeakHeight = 16.8511;
const double kFloorHeight = -14.4643;
const int kLandVertices = 682;
const int kLandZeroVertices = 98;

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
    if (x < kHillMinX || x > kHillMaxX || z < kHillMinZ || z > kHillMaxZ) {
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
    double pondDx = std::max({kBasinMinX - 8 - x, x - (kBasinMaxX + 8), 0.0});
    double pondDz = std::max({kBasinMinZ - 8 - z, z - (kBasinMaxZ + 8), 0.0});
    double groveDx = std::max({-14 - x, x - 12, 0.0});
    double groveDz = std::max({-18 - z, z - 18, 0.0});
    double away = std::min(std::hypot(pondDx, pondDz), std::hypot(groveDx, groveDz));
    return h * smoothstep(0, 22, away);
}

double basinDepth(double x, double z) {
    if (x <= kBasinMinX || x >= kBasinMaxX || z <= kBasinMinZ || z >= kBasinMaxZ) {
        return 0;
    }
    // A shallow dish over the whole basin, a deep bowl in its west and a hollow in its east
    // where the ducks float; the rim tapers to nothing at the basin's edge.
    double edge = std::min({x - kBasinMinX, kBasinMaxX - x, z - kBasinMinZ, kBasinMaxZ - z});
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
        if (maxX < kHillMinX - 20 || minX > kHillMaxX + 20 || maxZ < kHillMinZ - 20 ||
            minZ > kHillMaxZ + 20) {
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

struct Mesh {
    std::vector<Vec3> positions;
    std::vector<Vec3> normals;
    std::vector<std::array<double, 2>> texCoords;
    std::vector<std::array<int, 3>> triangles;
};

Mesh makeLand() {
    std::vector<LandPoint> pts;
    auto add = [&](double x, double y, double z) { pts.push_back({x, asFloat(y), z}); };
    // The corners, in the order the arrays start with; index 2 is filled in at the end.
    add(kLandMinX, 0, kLandMaxZ);
    add(kLandMaxX, 0, kLandMaxZ);
    add(kLandMaxX, 0, kLandMinZ);
    add(kLandMinX, 0, kLandMinZ);

    // Fixed spots: the deepest point, the highest, the ground under the signposts and under the
    // ducks, and one vertex on each edge of the hill and basin boxes so that both reach them.
    add(-66, kFloorHeight, 10);
    add(-118, kPeakHeight, -92);
    add(-25, -0.19, 25);
    add(-20, -0.68, 60);
    add(-22.5, -5.3, 12.5);
    add(kBasinMinX, -0.02, 20);
    add(kBasinMaxX, -0.02, 36);
    add(-70, -0.02, kBasinMinZ);
    add(-50, -0.02, kBasinMaxZ);
    add(kHillMinX, terrain(kHillMinX, 0), 0);
    add(kHillMaxX, terrain(kHillMaxX, -40), -40);
    add(-60, terrain(-60, kHillMinZ), kHillMinZ);
    add(30, terrain(30, kHillMaxZ), kHillMaxZ);

    // The grove stands on a flat patch: a ring of level vertices keeps it so.
    int zeroCount = 4;
    const double groveX = -1.55, groveZ = 0;
    for (int i = 0; i < 10; ++i) {
        double a = 2 * kPi * (i + 0.5) / 10;
        add(groveX + 9 * std::cos(a), 0, groveZ + 13 * std::sin(a));
        ++zeroCount;
    }
    // A level ring just outside the hills joins them to the skirt, and a sparse outer ring keeps
    // the skirt's triangles from growing needle-thin.
    const int outerRing = 16;
    const int hillRing = kLandZeroVertices - zeroCount - outerRing;
    const double cx = (kHillMinX + kHillMaxX) / 2, cz = (kHillMinZ + kHillMaxZ) / 2;
    const double rx = (kHillMaxX - kHillMinX) / 2, rz = (kHillMaxZ - kHillMinZ) / 2;
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
    for (double x = kHillMinX + step / 2; x < kHillMaxX; x += step) {
        for (double z = kHillMinZ + step / 2; z < kHillMaxZ; z += step) {
            double jx = x + random.range(-4, 4), jz = z + random.range(-4, 4);
            double h = terrain(jx, jz);
            if (h != 0) {
                add(jx, h, jz);
            }
        }
    }

    // Greedy refinement: add vertices where the surface departs most from the terrain.
    Triangulation tr = triangulate(pts);
    while (int(pts.size()) < kLandVertices) {
        auto worst = worstPerTriangle(tr, 0.75);
        int room = kLandVertices - int(pts.size());
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
    // Texture coordinates: a planar projection from above, one repeat per 807.1 units, centred
    // on the middle of the land.
    for (const auto& p : m.positions) {
        m.texCoords.push_back({0.5 + (p.x + 4.633) / 807.1, 0.5 - (p.z + 3.546) / 807.1});
    }
    std::printf("land: %zu vertices (%d level), %zu triangles\n", m.positions.size(), zeroCount,
                m.triangles.size());
    return m;
}

// Area-weighted vertex normals over the given triangles.
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

// ---------------------------------------------------------------------------------------------
// Duck
// ---------------------------------------------------------------------------------------------
//
// Built in a design frame (X right, U up, F forward) and turned into the model frame at the end
// (x = X, y = F, z = -U: the duck faces +y with its top toward -z). The body and the head are
// latitude-longitude grids joined at the neck; eyes, wings and the beak are disks cut into them,
// each edged by a dense loop so that its hard edge stays round. Every triangle belongs to one
// smoothing group; a vertex gets one copy per group around it, so hard edges are exactly where
// two groups meet.

enum Group { kBody, kBase, kHead, kEye, kPupil, kWing, kUpperBill, kLowerBill };

const int kAround = 32;  // grid columns of body and head; the neck joins them column to column
// Loop sizes. Hard edges get dense loops so that outlines stay round where the shading breaks;
// the smooth body and head between them stay coarse.
const int kEyeCount = 114, kPupilCount = 62;
const int kWingCount = 286, kWingInner = 29;
const int kBillRootUpper = 139, kBillRootLower = 104, kBillRings = 3, kBillRingUpper = 29,
          kBillRingLower = 18;

struct DuckBuilder {
    std::vector<Vec3> pos;
    std::vector<std::array<double, 2>> param;  // orientation coordinates (host u, v)
    struct Tri {
        int a, b, c, group;
    };
    std::vector<Tri> tris;

    int vertex(Vec3 p, double u, double v) {
        pos.push_back(p);
        param.push_back({u, v});
        billAngle.push_back(0);
        return int(pos.size()) - 1;
    }
    // Disk triangles come counter-clockwise in the disk's own plane; a mirrored disk turns the
    // other way in its host's parameter plane, which the host maps to outward-facing.
    void triangle(int a, int b, int c, int group, bool mirrored) {
        if (group == kUpperBill) {
            group = billSide(a, b, c);
        }
        if (mirrored) {
            std::swap(b, c);
        }
        tris.push_back({a, b, c, group});
    }
    // Around a pole the parameter plane wraps, so there the outward side is tested in space.
    void poleTriangle(int a, int b, int c, int group, Vec3 inside) {
        Vec3 n = cross(pos[b] - pos[a], pos[c] - pos[a]);
        if (dot(n, pos[a] + pos[b] + pos[c] - inside * 3) < 0) {
            std::swap(b, c);
        }
        tris.push_back({a, b, c, group});
    }
    // Bill triangles fall above or below the mouth line, which runs at angles 0 and pi.
    std::vector<double> billAngle;
    int billSide(int a, int b, int c) const {
        double pa = billAngle[a], pb = billAngle[b], pc = billAngle[c];
        auto unwrap = [&](double x) { return pa + std::remainder(x - pa, 2 * kPi); };
        double mid = (pa + unwrap(pb) + unwrap(pc)) / 3;
        mid = std::fmod(mid + 4 * kPi, 2 * kPi);
        return mid < kPi ? kUpperBill : kLowerBill;
    }
};

// Host surfaces, parameterised by u = longitude (0 ahead, growing toward +X) and v.
const Vec3 kHeadCentre{0, 0.0125, 0.003};
const double kHeadRadius = 0.0215;
const double kNeckLatitude = -0.78;

Vec3 headPoint(double u, double v) {
    double c = std::cos(v);
    // Slightly wider than tall, and a little long front to back.
    return kHeadCentre +
           Vec3{std::sin(u) * c * 1.02, std::sin(v) * 0.98, std::cos(u) * c * 1.04} * kHeadRadius;
}

const Vec3 kBodyCentre{0, -0.040, -0.018};
const double kBodyHalfWidth = 0.0287, kBodyHalfHeight = 0.030, kBodyHalfLength = 0.044;
const double kBaseLevel = -0.0661;

// The body without the neck: an ellipsoid with a flat base and a raised tail.
Vec3 rawBodyPoint(double u, double v) {
    Vec3 d{std::sin(u) * std::sin(v), -std::cos(v), std::cos(u) * std::sin(v)};
    double r =
        1 / std::sqrt(std::pow(d.x / kBodyHalfWidth, 2) + std::pow(d.y / kBodyHalfHeight, 2) +
                      std::pow(d.z / kBodyHalfLength, 2));
    // A fuller breast in front.
    double ahead = std::remainder(u, 2 * kPi);
    r *= 1 + 0.06 * std::exp(-std::pow(ahead / 0.9, 2)) * std::exp(-std::pow((v - 1.5) / 0.6, 2));
    Vec3 p = kBodyCentre + d * r;
    // The tail: the upper back swept up and out to a blunt point.
    double back = std::remainder(u - kPi, 2 * kPi);
    double tail = std::exp(-std::pow(back / 0.55, 2)) * std::exp(-std::pow((v - 2.05) / 0.42, 2));
    p = p + Vec3{0, 0.021, -0.011} * tail;
    return p;
}

const double kNeckBlendStart = 2.0, kBodyTop = 2.75;

Vec3 bodyPoint(double u, double v) {
    Vec3 p = rawBodyPoint(u, v);
    // The top of the body flows into the head's lowest ring.
    double w = smoothstep(kNeckBlendStart, kBodyTop, v);
    double back = std::fabs(std::remainder(u, 2 * kPi)) / kPi;  // 0 ahead, 1 behind
    w *= 1 - 0.55 * back * back * (1 - smoothstep(kBodyTop - 0.15, kBodyTop, v));
    return lerp(p, headPoint(u, kNeckLatitude), w);
}

// The latitude where the body meets its flat base, found per column.
double baseRimLatitude(double u) {
    double lo = 0.01, hi = 1.6;
    for (int i = 0; i < 60; ++i) {
        double mid = (lo + hi) / 2;
        (rawBodyPoint(u, mid).y < kBaseLevel ? lo : hi) = mid;
    }
    return hi;
}

Vec3 surfaceNormal(Vec3 (*surface)(double, double), double u, double v) {
    const double h = 1e-5;
    Vec3 du = surface(u + h, v) - surface(u - h, v);
    Vec3 dv = surface(u, v + h) - surface(u, v - h);
    return normalized(cross(du, dv));
}

struct Grid {
    Vec3 (*surface)(double, double);
    std::vector<std::vector<int>> rows;  // rows[r][c], c around
    std::vector<std::vector<bool>> removed;
    int group;
};

// A disk set into a host grid: an elliptical hole in local coordinates around (u0, v0), then
// loops inward (or outward along the beak) down to a pole.
struct Feature {
    double u0, v0, radiusU, radiusV;
    double mirror;                // +1, or -1 for the left-hand twin
    double (*shape)(double psi);  // radius factor by angle, for non-round outlines
    double angleOffset;
    struct Loop {
        int count;
        double q;
        int groupInside;
        int lowerCount = 0;  // if set, the lower half (pi..2 pi) has this many, the upper the rest
    };
    std::vector<Loop> loops;
    // Where a point of the disk lies.
    Vec3 (*place)(const Feature&, double q, double psi);
};

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

// Eyes: a dome edged by a crisp rim, with a raised pupil.
const double kEyeRim = 0.72, kPupilRim = 0.38;
Vec3 placeEye(const Feature& f, double q, double psi) {
    auto p = hostParam(f, q, psi);
    double lift = 0.0016 * std::sqrt(std::max(0.0, 1 - std::pow(q / kEyeRim, 2))) +
                  0.0006 * std::sqrt(std::max(0.0, 1 - std::pow(q / kPupilRim, 2)));
    return headPoint(p[0], p[1]) + surfaceNormal(headPoint, p[0], p[1]) * lift;
}

// Wings: a raised teardrop on each flank, its point toward the tail and a little up.
const double kWingRim = 0.62;
double wingShape(double psi) {
    return 1 + 0.25 * std::cos(psi - 0.35);
}
Vec3 placeWing(const Feature& f, double q, double psi) {
    auto p = hostParam(f, q, psi);
    double lift = 0.0021 * std::pow(std::max(0.0, 1 - std::pow(q / kWingRim, 2)), 0.35) *
                  (1 - 0.3 * std::cos(psi));
    return bodyPoint(p[0], p[1]) + surfaceNormal(bodyPoint, p[0], p[1]) * lift;
}

// The bill: flat and wide, a little broader at the front, turned up slightly, with the mouth
// line at its two sides (psi = 0 and pi). Loop "radius" q runs from the root (on the head) down to
// the tip at 0, so the bill is a disk pushed out along +F.
const double kBillRoot = 0.66;
Vec3 placeBill(const Feature& f, double q, double psi) {
    auto p = hostParam(f, q, psi);
    Vec3 root = headPoint(p[0], p[1]);
    if (q >= kBillRoot) {
        return root;
    }
    double t = 1 - q / kBillRoot;  // 0 at the root, 1 at the tip
    double round = t < 0.62 ? 1 : std::sqrt(std::max(0.0, 1 - std::pow((t - 0.62) / 0.38, 2)));
    double c = std::cos(psi), s = std::sin(psi);
    double width = 0.0118 * (0.86 + 0.32 * t) * round;
    double height = 0.0058 * (1 - 0.45 * t) * round * (s > 0 ? 1.0 : 0.8);
    double flat = std::pow(std::fabs(c), 0.75) * (c < 0 ? -1 : 1);
    double side = 1 - 0.08 * std::pow(std::fabs(c), 12);  // the mouth line sits in a groove
    Vec3 centre{0, kHeadCentre.y - 0.0040 + 0.0025 * t * t, 0.0225 + 0.0165 * t};
    Vec3 shaped = centre + Vec3{width * flat * side, height * s * side, 0};
    // Near the root the bill hugs the head; further out it is its own shape.
    double hug = smoothstep(0, 0.35, t);
    Vec3 p2 = lerp(root, shaped, hug);
    p2.z = std::max(p2.z, root.z + 0.0001 * t);
    return p2;
}

// Turns the design frame into the model frame, fits the stated bounding box, and gives every
// vertex one copy per smoothing group around it, each with its own normal.
const double kDuckMin[3] = {-0.0298, -0.0659, -0.0350};
const double kDuckMax[3] = {0.0300, 0.0370, 0.0661};

Mesh splitByGroup(const DuckBuilder& b) {
    std::vector<Vec3> model;
    for (const Vec3& p : b.pos) {
        model.push_back({p.x, p.z, -p.y});
    }
    double lo[3] = {1e9, 1e9, 1e9}, hi[3] = {-1e9, -1e9, -1e9};
    for (const Vec3& p : model) {
        double c[3] = {p.x, p.y, p.z};
        for (int k = 0; k < 3; ++k) {
            lo[k] = std::min(lo[k], c[k]), hi[k] = std::max(hi[k], c[k]);
        }
    }
    for (Vec3& p : model) {
        double c[3] = {p.x, p.y, p.z};
        for (int k = 0; k < 3; ++k) {
            c[k] = asFloat(kDuckMin[k] +
                           (c[k] - lo[k]) * (kDuckMax[k] - kDuckMin[k]) / (hi[k] - lo[k]));
        }
        p = {c[0], c[1], c[2]};
    }
    std::vector<DuckBuilder::Tri> tris = b.tris;
    std::stable_sort(tris.begin(), tris.end(),
                     [](const auto& s, const auto& t) { return s.group < t.group; });
    std::map<std::pair<int, int>, int> copies;
    Mesh m;
    std::vector<Vec3> sum;
    for (const auto& t : tris) {
        std::array<int, 3> out;
        int corners[3] = {t.a, t.b, t.c};
        for (int k = 0; k < 3; ++k) {
            auto [it, added] =
                copies.emplace(std::pair{corners[k], t.group}, int(m.positions.size()));
            if (added) {
                m.positions.push_back(model[corners[k]]);
                sum.push_back({});
            }
            out[k] = it->second;
        }
        // Angle-weighted face normals, so that long thin triangles do not outvote the rest.
        for (int k = 0; k < 3; ++k) {
            Vec3 p = model[corners[k]], e1 = model[corners[(k + 1) % 3]] - p,
                 e2 = model[corners[(k + 2) % 3]] - p;
            Vec3 n = normalized(cross(e1, e2));
            double angle =
                std::acos(std::clamp(dot(e1, e2) / (length(e1) * length(e2)), -1.0, 1.0));
            sum[out[k]] = sum[out[k]] + n * angle;
        }
        m.triangles.push_back(out);
    }
    for (const Vec3& n : sum) {
        m.normals.push_back(normalized(n));
    }
    std::printf("duck: %zu vertices (%zu positions), %zu triangles\n", m.positions.size(),
                b.pos.size(), m.triangles.size());
    return m;
}

Mesh makeDuck() {
    DuckBuilder b;
    // Body rows from the rim of the flat base up to the neck, which is the head's first row.
    const int bodyRows = 9, headRows = 9;
    Grid body{bodyPoint, {}, {}, kBody};
    Grid head{headPoint, {}, {}, kHead};
    for (int r = 0; r <= bodyRows; ++r) {
        std::vector<int> row;
        for (int c = 0; c < kAround; ++c) {
            double u = 2 * kPi * c / kAround;
            double rim = baseRimLatitude(u);
            double t = double(r) / bodyRows;
            double v = rim + (kBodyTop - rim) * (t + 0.18 * t * (1 - t));
            Vec3 p = r == bodyRows ? headPoint(u, kNeckLatitude) : bodyPoint(u, v);
            if (r == 0) {
                p.y = kBaseLevel;
            }
            row.push_back(b.vertex(p, u, v));
        }
        body.rows.push_back(row);
    }
    head.rows.push_back(body.rows.back());
    for (int r = 1; r <= headRows; ++r) {
        double v = kNeckLatitude + (kPi / 2 - kNeckLatitude) * r / (headRows + 1.0);
        std::vector<int> row;
        for (int c = 0; c < kAround; ++c) {
            double u = 2 * kPi * c / kAround;
            row.push_back(b.vertex(headPoint(u, v), u, v));
        }
        head.rows.push_back(row);
    }
    for (Grid* g : {&body, &head}) {
        g->removed.assign(g->rows.size() - 1, std::vector<bool>(kAround, false));
    }
    // Head-grid orientation coordinates continue the body's, so the neck row has one value.
    for (int c = 0; c < kAround; ++c) {
        b.param[head.rows[0][c]][1] = kNeckLatitude;
    }

    std::vector<std::pair<Grid*, Feature>> features;
    for (double side : {1.0, -1.0}) {
        Feature eye{side * 0.98, 0.30,
                    0.32,        0.32,
                    side,        roundShape,
                    kPi / 2,     {{kEyeCount, kEyeRim, kEye}, {kPupilCount, kPupilRim, kPupil}},
                    placeEye};
        features.push_back({&head, eye});
        Feature wing{side * 1.78, 1.72,
                     0.55,        0.34,
                     side,        wingShape,
                     kPi / 2,     {{kWingCount, kWingRim, kWing}, {kWingInner, 0.46, kWing}},
                     placeWing};
        features.push_back({&body, wing});
    }
    Feature bill{
        0,        -0.10,
        0.66,     0.40,
        1,        roundShape,
        0,        {{kBillRootUpper + kBillRootLower, kBillRoot, kUpperBill, kBillRootLower}},
        placeBill};
    for (int k = 1; k <= kBillRings; ++k) {
        bill.loops.push_back({kBillRingUpper + kBillRingLower,
                              kBillRoot * (1 - double(k) / (kBillRings + 1)), kUpperBill,
                              kBillRingLower});
    }
    features.push_back({&head, bill});
    // Features first, so that the grid's remaining cells can be laid after.
    for (auto& [grid, feature] : features) {
        cutFeature(b, *grid, feature);
    }
    for (Grid* g : {&body, &head}) {
        for (size_t r = 0; r + 1 < g->rows.size(); ++r) {
            for (int c = 0; c < kAround; ++c) {
                if (g->removed[r][c]) {
                    continue;
                }
                int cn = (c + 1) % kAround;
                int v00 = g->rows[r][c], v01 = g->rows[r][cn], v11 = g->rows[r + 1][cn],
                    v10 = g->rows[r + 1][c];
                // Rows and columns run the parameter plane's way, which faces outward.
                b.tris.push_back({v00, v01, v11, g->group});
                b.tris.push_back({v00, v11, v10, g->group});
            }
        }
    }
    // The head's crown and the flat base close with a pole each.
    int top = b.vertex(headPoint(0, kPi / 2), 0, kPi);
    for (int c = 0; c < kAround; ++c) {
        b.poleTriangle(head.rows.back()[c], head.rows.back()[(c + 1) % kAround], top, kHead,
                       kHeadCentre);
    }
    Vec3 baseCentre{0, kBaseLevel, kBodyCentre.z};
    int bottom = b.vertex(baseCentre, 0, -1);
    for (int c = 0; c < kAround; ++c) {
        b.poleTriangle(body.rows[0][c], body.rows[0][(c + 1) % kAround], bottom, kBase,
                       kBodyCentre);
    }
    return splitByGroup(b);
}

void writeObj(const std::string& path, const Mesh& m, const char* what) {
    FILE* f = std::fopen(path.c_str(), "w");
    if (!f) {
        std::fprintf(stderr, "meshgen: cannot write %s\n", path.c_str());
        std::exit(1);
    }
    std::fprintf(f, "# %s, written by tools/meshgen; one index per vertex for v, vt and vn\n",
                 what);
    for (const auto& p : m.positions) {
        std::fprintf(f, "v %.9g %.9g %.9g\n", float(p.x), float(p.y), float(p.z));
    }
    for (const auto& t : m.texCoords) {
        std::fprintf(f, "vt %.9g %.9g\n", float(t[0]), float(t[1]));
    }
    for (const auto& n : m.normals) {
        std::fprintf(f, "vn %.9g %.9g %.9g\n", float(n.x), float(n.y), float(n.z));
    }
    bool tex = !m.texCoords.empty();
    for (const auto& t : m.triangles) {
        std::fprintf(f, "f");
        for (int v : t) {
            if (tex) {
                std::fprintf(f, " %d/%d/%d", v + 1, v + 1, v + 1);
            } else {
                std::fprintf(f, " %d//%d", v + 1, v + 1);
            }
        }
        std::fprintf(f, "\n");
    }
    std::fclose(f);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: meshgen ASSETS_DIR\n");
        return 2;
    }
    std::string dir = argv[1];
    Mesh land = makeLand();
    land.normals = smoothNormals(land.positions, land.triangles);
    writeObj(dir + "/land.obj", land, "Land with a pond basin");
    writeObj(dir + "/duck.obj", makeDuck(), "Rubber duck");
    return 0;
}
