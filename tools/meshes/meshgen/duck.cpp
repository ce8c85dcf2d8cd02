// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The duck itself: its eyes, wings and bill placed on the host grids, the grids laid, and the
// result turned into the model frame with one vertex copy per smoothing group.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <utility>
#include <vector>

#include "assets/scene_layout.h"
#include "tools/meshes/meshgen/duck.h"

namespace {

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

// Turns the design frame into the model frame, fits the duck's box in assets/scene_layout.h, and
// gives every vertex one copy per smoothing group around it, each with its own normal.

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
            c[k] = asFloat(assets::kDuckModelMin[k] +
                           (c[k] - lo[k]) * (assets::kDuckModelMax[k] - assets::kDuckModelMin[k]) /
                               (hi[k] - lo[k]));
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

}  // namespace

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
