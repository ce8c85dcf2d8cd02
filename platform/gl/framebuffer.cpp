// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Clearing, the viewport, flushing, the pixel store and reading pixels back.
#include <algorithm>
#include <vector>

#include <GL/gl.h>

#include "platform/gl/context.h"
#include "platform/gl/renderer.h"

using layer::context;

namespace {

float clamped(float value) {
    return std::min(1.0f, std::max(0.0f, value));
}

bool isAlignment(GLint value) {
    return value == 1 || value == 2 || value == 4 || value == 8;
}

}  // namespace

extern "C" {

void glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    context().clearColour = {clamped(red), clamped(green), clamped(blue), clamped(alpha)};
}

void glClear(GLbitfield mask) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    // There is no stencil buffer: its bit is refused as an unknown one.
    if ((mask & ~(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT)) != 0) {
        layer::recordError(GL_INVALID_VALUE);
        return;
    }
    layer::clearSurface((mask & GL_COLOR_BUFFER_BIT) != 0, (mask & GL_DEPTH_BUFFER_BIT) != 0,
                        context().clearColour);
}

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    if (width < 0 || height < 0) {
        layer::recordError(GL_INVALID_VALUE);
        return;
    }
    context().viewport = {x, y, width, height};
    layer::setSurfaceViewport(context().viewport);
}

void glFlush(void) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    layer::flushSurface();
}

void glFinish(void) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    layer::finishSurface();
}

void glPixelStorei(GLenum pname, GLint param) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    // The unpack alignment stays at OpenGL's initial 4 (textures.cpp).
    if (pname != GL_PACK_ALIGNMENT) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    if (!isAlignment(param)) {
        layer::recordError(GL_INVALID_VALUE);
        return;
    }
    context().client.packAlignment = param;
}

// There is one colour buffer to read, the back one being drawn.
void glReadBuffer(GLenum mode) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    if (mode != GL_BACK) {
        layer::recordError(GL_INVALID_ENUM);
    }
}

void glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                  GLvoid* pixels) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    if (format != GL_RGB || type != GL_UNSIGNED_BYTE) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    if (width < 0 || height < 0) {
        layer::recordError(GL_INVALID_VALUE);
        return;
    }
    const std::vector<unsigned char> rgba = layer::readSurface(x, y, width, height);
    constexpr int components = 3;
    const int alignment = context().client.packAlignment;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * components;
    const std::size_t rowStride = (rowBytes + alignment - 1) / alignment * alignment;
    auto* out = static_cast<unsigned char*>(pixels);
    for (GLsizei row = 0; row < height; ++row) {
        for (GLsizei column = 0; column < width; ++column) {
            const unsigned char* from = &rgba[(static_cast<std::size_t>(row) * width + column) * 4];
            std::copy_n(from, components, out + rowStride * row + column * components);
        }
    }
}

}  // extern "C"
