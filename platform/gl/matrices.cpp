// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The modelview and projection matrix stacks.
#include <cmath>

#include <GL/gl.h>

#include "platform/gl/context.h"

using layer::context;
using layer::Matrix;

namespace {

constexpr double kPi = 3.14159265358979323846;

void multiplyCurrent(const Matrix& by) {
    Matrix& top = context().currentStack().top();
    top = top * by;
}

}  // namespace

extern "C" {

void glMatrixMode(GLenum mode) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    switch (mode) {
        case GL_MODELVIEW:
            context().matrixMode = layer::MatrixMode::kModelview;
            break;
        case GL_PROJECTION:
            context().matrixMode = layer::MatrixMode::kProjection;
            break;
        default:
            layer::recordError(GL_INVALID_ENUM);
    }
}

void glLoadIdentity(void) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    context().currentStack().top() = Matrix{};
}

void glMultMatrixd(const GLdouble* m) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    Matrix by;
    for (int i = 0; i < 16; ++i) {
        by.m[i] = static_cast<float>(m[i]);
    }
    multiplyCurrent(by);
}

void glPushMatrix(void) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    layer::MatrixStack& stack = context().currentStack();
    if (stack.entries.size() >= layer::kMatrixStackDepth) {
        layer::recordError(GL_STACK_OVERFLOW);
        return;
    }
    stack.entries.push_back(stack.top());
}

void glPopMatrix(void) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    layer::MatrixStack& stack = context().currentStack();
    if (stack.entries.size() <= 1) {
        layer::recordError(GL_STACK_UNDERFLOW);
        return;
    }
    stack.entries.pop_back();
}

void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    Matrix by;
    by.m[12] = x;
    by.m[13] = y;
    by.m[14] = z;
    multiplyCurrent(by);
}

void glScalef(GLfloat x, GLfloat y, GLfloat z) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    Matrix by;
    by.m[0] = x;
    by.m[5] = y;
    by.m[10] = z;
    multiplyCurrent(by);
}

// Counter-clockwise by `angle` degrees about the axis (x, y, z), looking down the axis towards
// the origin; an axis of length zero turns nothing.
void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    const float length = std::sqrt(x * x + y * y + z * z);
    if (length == 0.0f) {
        return;
    }
    x /= length;
    y /= length;
    z /= length;
    const double radians = angle * kPi / 180.0;
    const float s = static_cast<float>(std::sin(radians));
    const float c = static_cast<float>(std::cos(radians));
    const float t = 1.0f - c;
    Matrix by;
    by.m[0] = x * x * t + c;
    by.m[1] = y * x * t + z * s;
    by.m[2] = x * z * t - y * s;
    by.m[4] = x * y * t - z * s;
    by.m[5] = y * y * t + c;
    by.m[6] = y * z * t + x * s;
    by.m[8] = x * z * t + y * s;
    by.m[9] = y * z * t - x * s;
    by.m[10] = z * z * t + c;
    multiplyCurrent(by);
}

}  // extern "C"
