// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The duck's parts, shared by the files that build it (duck_surfaces.cpp, duck_features.cpp,
// duck.cpp).
//
// Built in a design frame (X right, U up, F forward) and turned into the model frame at the end
// (x = X, y = F, z = -U: the duck faces +y with its top toward -z). The body and the head are
// latitude-longitude grids joined at the neck; eyes, wings and the beak are disks cut into them,
// each edged by a dense loop so that its hard edge stays round. Every triangle belongs to one
// smoothing group; a vertex gets one copy per group around it, so hard edges are exactly where
// two groups meet.
#pragma once

#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "tools/meshes/meshgen/geometry.h"

enum Group { kBody, kBase, kHead, kEye, kPupil, kWing, kUpperBill, kLowerBill };

// Grid columns of body and head; the neck joins them column to column.
inline constexpr int kAround = 32;
// Loop sizes. Hard edges get dense loops so that outlines stay round where the shading breaks;
// the smooth body and head between them stay coarse.
inline constexpr int kEyeCount = 114, kPupilCount = 62;
inline constexpr int kWingCount = 286, kWingInner = 29;
inline constexpr int kBillRootUpper = 139, kBillRootLower = 104, kBillRings = 3,
                     kBillRingUpper = 29, kBillRingLower = 18;

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
inline constexpr Vec3 kHeadCentre{0, 0.0125, 0.003};
inline constexpr double kHeadRadius = 0.0215;
inline constexpr double kNeckLatitude = -0.78;
inline constexpr Vec3 kBodyCentre{0, -0.040, -0.018};
inline constexpr double kBodyHalfWidth = 0.0287, kBodyHalfHeight = 0.030, kBodyHalfLength = 0.044;
inline constexpr double kBaseLevel = -0.0661;
inline constexpr double kNeckBlendStart = 2.0, kBodyTop = 2.75;

Vec3 headPoint(double u, double v);
// The body without the neck: an ellipsoid with a flat base and a raised tail.
Vec3 rawBodyPoint(double u, double v);
// The body whose top flows into the head's lowest ring.
Vec3 bodyPoint(double u, double v);
// The latitude where the body meets its flat base, found per column.
double baseRimLatitude(double u);
Vec3 surfaceNormal(Vec3 (*surface)(double, double), double u, double v);

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

// A round outline: the same radius at every angle.
double roundShape(double);
// Where host parameters (u, v) lie in the feature's own polar coordinates, and back.
void localCoords(const Feature& f, double u, double v, double* q, double* psi);
std::array<double, 2> hostParam(const Feature& f, double q, double psi);
// Cuts the feature's hole into its host grid and fills it with the feature's loops and pole.
void cutFeature(DuckBuilder& b, Grid& g, const Feature& f);
