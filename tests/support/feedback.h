// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// What the real driver makes of a drawing, read back with GL feedback mode: every primitive with
// its vertices in the modelview's frame of reference, their lit colours and texture coordinates.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include <GL/gl.h>

using Vec3 = std::array<double, 3>;

struct FeedbackVertex {
    Vec3 position;
    std::array<float, 4> colour;
    std::array<float, 4> texture;
};

struct FeedbackPrimitive {
    GLenum token;  // GL_POINT_TOKEN, GL_LINE_TOKEN, GL_LINE_RESET_TOKEN or GL_POLYGON_TOKEN
    std::vector<FeedbackVertex> vertices;
};

// Runs `draw` in feedback mode with the modelview as the caller left it and returns what the
// driver produced. Positions must lie within 128 units of the origin of that frame.
std::vector<FeedbackPrimitive> capture(const std::function<void()>& draw);

double distance(const Vec3& a, const Vec3& b);

// Splits a filled drawing into its closed pieces (a trunk, a crown, a post, a board): the
// triangles of one quadric or board come one after another, each sharing a corner with one
// drawn before it in the same piece, while separate pieces share no corner at all.
std::vector<std::vector<FeedbackVertex>> pieces(const std::vector<FeedbackPrimitive>& primitives);

struct Bounds {
    Vec3 low{1e9, 1e9, 1e9};
    Vec3 high{-1e9, -1e9, -1e9};
};
// Bounds of the vertices whose height is within 1e-4 of `y`.
Bounds ringAt(const std::vector<FeedbackVertex>& piece, double y);
Bounds boundsOf(const std::vector<FeedbackVertex>& piece);

// Least-squares sphere through the vertices.
struct Sphere {
    Vec3 centre;
    double radius;
};
Sphere fitSphere(const std::vector<FeedbackVertex>& piece);
