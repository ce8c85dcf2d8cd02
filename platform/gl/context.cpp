// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "platform/gl/context.h"

#include <GL/gl.h>

namespace layer {

Matrix operator*(const Matrix& a, const Matrix& b) {
    Matrix product;
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) {
                sum += a.m[k * 4 + row] * b.m[column * 4 + k];
            }
            product.m[column * 4 + row] = sum;
        }
    }
    return product;
}

Vec4 operator*(const Matrix& a, const Vec4& v) {
    Vec4 result{};
    for (int row = 0; row < 4; ++row) {
        result[row] =
            a.m[row] * v[0] + a.m[4 + row] * v[1] + a.m[8 + row] * v[2] + a.m[12 + row] * v[3];
    }
    return result;
}

bool operator==(const FogState& a, const FogState& b) {
    return a.enabled == b.enabled && a.density == b.density && a.colour == b.colour;
}

MatrixStack& Context::currentStack() {
    return matrixMode == MatrixMode::kProjection ? projection : modelview;
}

Context& context() {
    static Context instance;
    return instance;
}

void recordError(std::uint32_t error) {
    if (context().error == GL_NO_ERROR) {
        context().error = error;
    }
}

bool rejectedInsideBeginEnd() {
    if (context().insideBeginEnd) {
        recordError(GL_INVALID_OPERATION);
        return true;
    }
    return false;
}

}  // namespace layer

extern "C" GLenum glGetError(void) {
    if (layer::rejectedInsideBeginEnd()) {
        return GL_NO_ERROR;
    }
    const GLenum error = layer::context().error;
    layer::context().error = GL_NO_ERROR;
    return error;
}
