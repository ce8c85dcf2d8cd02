// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// glEnable and glDisable, the shade model and the blend function.
#include <GL/gl.h>

#include "platform/gl/context.h"

using layer::context;

namespace {

void setCapability(GLenum cap, bool on) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    layer::Context& gl = context();
    switch (cap) {
        case GL_LIGHT0:
            gl.lighting.light.enabled = on;
            break;
        case GL_LIGHTING:
            gl.lighting.lighting = on;
            break;
        case GL_DEPTH_TEST:
            gl.depthTest = on;
            break;
        case GL_BLEND:
            gl.blend.enabled = on;
            break;
        case GL_TEXTURE_2D:
            gl.texture2D = on;
            break;
        case GL_FOG:
            gl.fog.enabled = on;
            break;
        case GL_NORMALIZE:
            gl.normalize = on;
            break;
        case GL_CULL_FACE:
            // Drawing never culls: off, OpenGL's initial state, is all there is.
            if (on) {
                layer::recordError(GL_INVALID_ENUM);
            }
            break;
        default:
            layer::recordError(GL_INVALID_ENUM);
    }
}

}  // namespace

extern "C" {

void glEnable(GLenum cap) {
    setCapability(cap, true);
}

void glDisable(GLenum cap) {
    setCapability(cap, false);
}

// Smooth shading, OpenGL's initial mode, is the only one: GL_FLAT is refused as unknown.
void glShadeModel(GLenum mode) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    if (mode != GL_SMOOTH) {
        layer::recordError(GL_INVALID_ENUM);
    }
}

// Blending by the source's alpha, the one way the programs blend; other factors are refused as
// unknown.
void glBlendFunc(GLenum sfactor, GLenum dfactor) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    if (sfactor != GL_SRC_ALPHA || dfactor != GL_ONE_MINUS_SRC_ALPHA) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    context().blend.source = sfactor;
    context().blend.destination = dfactor;
}

}  // extern "C"
