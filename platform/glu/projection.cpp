// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <GL/glu.h>

#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
}

// A frustum as wide as fovy degrees up and down, aspect times that across, seen from the origin
// down -z. Inputs that make no frustum (no depth between the planes, no angle, no width), or
// whose numbers would not be finite, leave the matrix as it was.
void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    double halfAngle = fovy / 2 * kPi / 180;
    double depth = zFar - zNear;
    double sine = std::sin(halfAngle);
    if (!(depth > 0) || sine == 0 || aspect == 0) {
        return;
    }
    double cotangent = std::cos(halfAngle) / sine;
    GLdouble m[16] = {};
    m[0] = cotangent / aspect;
    m[5] = cotangent;
    m[10] = -(zFar + zNear) / depth;
    m[11] = -1;
    m[14] = -2 * zNear * zFar / depth;
    for (double value : m) {
        if (!std::isfinite(value)) {
            return;
        }
    }
    glMultMatrixd(m);
}
