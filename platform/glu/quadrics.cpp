// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <GL/glu.h>

#include <array>
#include <cstring>
#include <new>
#include <vector>

#include "platform/glu/quadric_shapes.h"

namespace {

// The calls of the last shape of one kind that a quadric drew, and what it was drawn from: the
// programs draw the same trunk and crown many times a frame.
struct DrawnShape {
    using Numbers = std::array<double, 5>;
    Numbers numbers{};
    glu::QuadricStyle style;
    std::vector<glu::QuadricCall> calls;

    bool matches(const Numbers& n, const glu::QuadricStyle& s) const {
        // Bit for bit: a zero's sign can reach the vertices.
        return !calls.empty() && std::memcmp(numbers.data(), n.data(), sizeof n) == 0 &&
               style.draw == s.draw && style.texture == s.texture;
    }
};

}  // namespace

struct GLUquadric {
    glu::QuadricStyle style;
    DrawnShape cylinder, sphere;
};

namespace {

void replay(const std::vector<glu::QuadricCall>& calls) {
    for (const glu::QuadricCall& call : calls) {
        switch (call.kind) {
            case glu::QuadricCall::Kind::Begin:
                glBegin(GLenum(call.mode));
                break;
            case glu::QuadricCall::Kind::End:
                glEnd();
                break;
            case glu::QuadricCall::Kind::Normal:
                glNormal3f(call.x, call.y, call.z);
                break;
            case glu::QuadricCall::Kind::TexCoord:
                glTexCoord2f(call.x, call.y);
                break;
            case glu::QuadricCall::Kind::Vertex:
                glVertex3f(call.x, call.y, call.z);
                break;
        }
    }
}

template <typename MakeCalls>
void draw(DrawnShape& last, const glu::QuadricStyle& style, const DrawnShape::Numbers& numbers,
          MakeCalls makeCalls) {
    if (!last.matches(numbers, style)) {
        last.numbers = numbers;
        last.style = style;
        last.calls = makeCalls();
    }
    replay(last.calls);
}

}  // namespace

GLUquadric* gluNewQuadric(void) {
    return new (std::nothrow) GLUquadric();
}

void gluDeleteQuadric(GLUquadric* quad) {
    delete quad;
}

// A style not drawn here (GLU_SILHOUETTE, or one GLU does not know) leaves the quadric as it
// was: GLU's answer, GLU_INVALID_ENUM, goes to an error callback, and this GLU takes none.
void gluQuadricDrawStyle(GLUquadric* quad, GLenum draw) {
    if (!quad) {
        return;
    }
    switch (draw) {
        case GLU_FILL:
            quad->style.draw = glu::DrawStyle::Fill;
            break;
        case GLU_LINE:
            quad->style.draw = glu::DrawStyle::Line;
            break;
        case GLU_POINT:
            quad->style.draw = glu::DrawStyle::Point;
            break;
        default:
            break;
    }
}

void gluQuadricTexture(GLUquadric* quad, GLboolean texture) {
    if (quad) {
        quad->style.texture = texture != GL_FALSE;
    }
}

void gluCylinder(GLUquadric* quad, GLdouble base, GLdouble top, GLdouble height, GLint slices,
                 GLint stacks) {
    if (!quad) {
        return;
    }
    draw(quad->cylinder, quad->style, {base, top, height, double(slices), double(stacks)},
         [&] { return glu::cylinderCalls(quad->style, base, top, height, slices, stacks); });
}

void gluSphere(GLUquadric* quad, GLdouble radius, GLint slices, GLint stacks) {
    if (!quad) {
        return;
    }
    draw(quad->sphere, quad->style, {radius, double(slices), double(stacks), 0, 0},
         [&] { return glu::sphereCalls(quad->style, radius, slices, stacks); });
}
