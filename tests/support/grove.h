// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The grove and the signposts as the scene's design lays them out, for the tests to measure the
// drawing against: written out here, not taken from the renderer's own tables.
#pragma once

#include <array>
#include <cmath>

#include "tests/support/feedback.h"

struct TreePlace {
    float size, x, z;
};

// The grove as the scene lays it out, in drawing order.
inline const TreePlace kGrove[55] = {
    {1.31f, 0.4f, -7.6f}, {1.44f, 0.8f, -6.7f}, {1.33f, 0.7f, -4.5f}, {1.45f, 0.2f, -3.6f},
    {1.33f, 0.9f, -1.0f}, {1.42f, 0.0f, 0.0f},  {1.35f, 0.5f, 1.3f},  {1.41f, 0.5f, 3.3f},
    {1.3f, 0.1f, 4.4f},   {1.44f, 0.6f, 6.2f},  {1.33f, 0.3f, 7.9f},  {1.44f, 2.3f, -7.3f},
    {1.31f, 1.7f, -6.7f}, {1.44f, 1.9f, -4.7f}, {1.35f, 2.2f, -3.9f}, {1.44f, 1.8f, -1.6f},
    {1.35f, 1.5f, 0.0f},  {1.43f, 2.0f, 1.4f},  {1.33f, 2.1f, 3.6f},  {1.42f, 1.6f, 4.8f},
    {1.35f, 2.4f, 6.5f},  {1.44f, 2.0f, 7.9f},  {1.31f, 3.3f, -7.9f}, {1.45f, 3.8f, -6.9f},
    {1.31f, 3.7f, -4.1f}, {1.42f, 3.0f, -3.0f}, {1.3f, 3.2f, -1.5f},  {1.41f, 3.4f, 0.8f},
    {1.34f, 3.5f, 1.8f},  {1.4f, 3.1f, 3.9f},   {1.35f, 3.5f, 4.4f},  {1.41f, 3.6f, 6.6f},
    {1.32f, 3.9f, 7.8f},  {1.42f, 5.0f, -7.8f}, {1.3f, 4.5f, -6.0f},  {1.45f, 4.6f, -4.3f},
    {1.31f, 5.4f, -3.3f}, {1.42f, 4.8f, -1.4f}, {1.33f, 5.1f, 0.2f},  {1.4f, 4.7f, 1.4f},
    {1.35f, 5.2f, 3.9f},  {1.43f, 5.1f, 4.1f},  {1.32f, 4.9f, 6.3f},  {1.41f, 5.3f, 7.0f},
    {1.35f, 6.7f, -7.4f}, {1.42f, 6.2f, -6.6f}, {1.34f, 6.8f, -4.7f}, {1.43f, 6.3f, -3.6f},
    {1.36f, 6.0f, -1.5f}, {1.42f, 6.1f, 0.9f},  {1.3f, 6.5f, 1.4f},   {1.42f, 6.9f, 3.5f},
    {1.3f, 6.0f, 4.5f},   {1.43f, 6.6f, 6.6f},  {1.35f, 6.4f, 7.8f},
};

// Post tops of the two signposts in the scene.
inline const Vec3 kPostTops[2] = {{-25.0, 0.3, 25.0}, {-20.0, 0.3, 60.0}};

// Board corners 1 to 4 for a post top: corner 2 at the post's side level with its top, corner 1
// below it, corners 3 and 4 a board's width away along (1, 0, 1) / sqrt 2.
inline std::array<Vec3, 4> boardCorners(const Vec3& top) {
    const double d = 0.2 / std::sqrt(2.0);
    return {{{top[0] + 0.05, top[1] - 0.2, top[2]},
             {top[0] + 0.05, top[1], top[2]},
             {top[0] + 0.05 + d, top[1], top[2] + d},
             {top[0] + 0.05 + d, top[1] - 0.2, top[2] + d}}};
}

// The crown offset of 0.45 turned by `size` x 7 degrees about (1, 1, 1), in the tree's frame.
inline Vec3 tiltedCrownOffset(double size) {
    const double angle = size * 7.0 * M_PI / 180.0;
    const double c = std::cos(angle);
    const double s = std::sin(angle) / std::sqrt(3.0);
    const double k = (1.0 - c) / 3.0;
    return {0.45 * (-s + k), 0.45 * (c + k), 0.45 * (s + k)};
}
