// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The duck's two host surfaces, the head and the body, as points of their parameters.
#include <cmath>

#include "tools/meshes/meshgen/duck.h"

Vec3 headPoint(double u, double v) {
    double c = std::cos(v);
    // Slightly wider than tall, and a little long front to back.
    return kHeadCentre +
           Vec3{std::sin(u) * c * 1.02, std::sin(v) * 0.98, std::cos(u) * c * 1.04} * kHeadRadius;
}

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

Vec3 bodyPoint(double u, double v) {
    Vec3 p = rawBodyPoint(u, v);
    // The top of the body flows into the head's lowest ring.
    double w = smoothstep(kNeckBlendStart, kBodyTop, v);
    double back = std::fabs(std::remainder(u, 2 * kPi)) / kPi;  // 0 ahead, 1 behind
    w *= 1 - 0.55 * back * back * (1 - smoothstep(kBodyTop - 0.15, kBodyTop, v));
    return lerp(p, headPoint(u, kNeckLatitude), w);
}

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
