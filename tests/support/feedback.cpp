// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "tests/support/feedback.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <gtest/gtest.h>

namespace {

// An orthographic box of +-128 scene units mapped onto a 256-pixel viewport: window x and y are
// scene x and y plus 128, and window depth runs from 0 at z = +128 to 1 at z = -128.
constexpr double kBox = 128.0;

Vec3 sceneFromWindow(const GLfloat* w) {
    return {w[0] - kBox, w[1] - kBox, kBox * (1.0 - 2.0 * w[2])};
}

bool sharesAVertex(const FeedbackPrimitive& a, const FeedbackPrimitive& b) {
    for (const auto& u : a.vertices) {
        for (const auto& v : b.vertices) {
            if (distance(u.position, v.position) < 1e-4) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

std::vector<FeedbackPrimitive> capture(const std::function<void()>& draw) {
    static std::vector<GLfloat> buffer(1 << 23);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-kBox, kBox, -kBox, kBox, -kBox, kBox);
    glMatrixMode(GL_MODELVIEW);
    glViewport(0, 0, 2 * static_cast<int>(kBox), 2 * static_cast<int>(kBox));
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint count = glRenderMode(GL_RENDER);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    EXPECT_GE(count, 0) << "feedback buffer too small";

    constexpr int kPerVertex = 3 + 4 + 4;
    auto vertexAt = [&](int i) {
        FeedbackVertex v;
        v.position = sceneFromWindow(&buffer[i]);
        std::copy(&buffer[i + 3], &buffer[i + 7], v.colour.begin());
        std::copy(&buffer[i + 7], &buffer[i + 11], v.texture.begin());
        return v;
    };
    std::vector<FeedbackPrimitive> primitives;
    for (int i = 0; i < count;) {
        const auto token = static_cast<GLenum>(buffer[i++]);
        int vertices = 0;
        switch (token) {
            case GL_POINT_TOKEN:
                vertices = 1;
                break;
            case GL_LINE_TOKEN:
            case GL_LINE_RESET_TOKEN:
                vertices = 2;
                break;
            case GL_POLYGON_TOKEN:
                vertices = static_cast<int>(buffer[i++]);
                break;
            case GL_PASS_THROUGH_TOKEN:
                ++i;
                continue;
            default:
                ADD_FAILURE() << "unexpected feedback token " << token;
                return primitives;
        }
        FeedbackPrimitive primitive{token, {}};
        for (int k = 0; k < vertices; ++k, i += kPerVertex) {
            primitive.vertices.push_back(vertexAt(i));
        }
        primitives.push_back(primitive);
    }
    return primitives;
}

double distance(const Vec3& a, const Vec3& b) {
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                     (a[2] - b[2]) * (a[2] - b[2]));
}

std::vector<std::vector<FeedbackVertex>> pieces(const std::vector<FeedbackPrimitive>& primitives) {
    std::vector<std::vector<FeedbackVertex>> result;
    std::size_t pieceStart = 0;
    for (std::size_t i = 0; i < primitives.size(); ++i) {
        bool joined = false;
        for (std::size_t k = pieceStart; k < i && !joined; ++k) {
            joined = sharesAVertex(primitives[k], primitives[i]);
        }
        if (!joined) {
            result.emplace_back();
            pieceStart = i;
        }
        const auto& v = primitives[i].vertices;
        result.back().insert(result.back().end(), v.begin(), v.end());
    }
    return result;
}

Bounds ringAt(const std::vector<FeedbackVertex>& piece, double y) {
    Bounds b;
    for (const auto& v : piece) {
        if (std::abs(v.position[1] - y) < 1e-4) {
            for (int k = 0; k < 3; ++k) {
                b.low[k] = std::min(b.low[k], v.position[k]);
                b.high[k] = std::max(b.high[k], v.position[k]);
            }
        }
    }
    return b;
}

Bounds boundsOf(const std::vector<FeedbackVertex>& piece) {
    Bounds b;
    for (const auto& v : piece) {
        for (int k = 0; k < 3; ++k) {
            b.low[k] = std::min(b.low[k], v.position[k]);
            b.high[k] = std::max(b.high[k], v.position[k]);
        }
    }
    return b;
}

// |p|^2 = 2 c.p + k, solved by normal equations.
Sphere fitSphere(const std::vector<FeedbackVertex>& piece) {
    double a[4][5] = {};
    for (const auto& v : piece) {
        const double row[4] = {2 * v.position[0], 2 * v.position[1], 2 * v.position[2], 1.0};
        const double rhs = v.position[0] * v.position[0] + v.position[1] * v.position[1] +
                           v.position[2] * v.position[2];
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 4; ++j) {
                a[i][j] += row[i] * row[j];
            }
            a[i][4] += row[i] * rhs;
        }
    }
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r) {
            if (std::abs(a[r][col]) > std::abs(a[pivot][col])) {
                pivot = r;
            }
        }
        std::swap(a[col], a[pivot]);
        for (int r = 0; r < 4; ++r) {
            if (r != col) {
                const double f = a[r][col] / a[col][col];
                for (int c = col; c < 5; ++c) {
                    a[r][c] -= f * a[col][c];
                }
            }
        }
    }
    const Vec3 c{a[0][4] / a[0][0], a[1][4] / a[1][1], a[2][4] / a[2][2]};
    const double k = a[3][4] / a[3][3];
    return {c, std::sqrt(k + c[0] * c[0] + c[1] * c[1] + c[2] * c[2])};
}
