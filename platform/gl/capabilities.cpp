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
    if (cap >= GL_LIGHT0 && cap < GL_LIGHT0 + layer::kLightCount) {
        gl.lighting.lights[cap - GL_LIGHT0].enabled = on;
        return;
    }
    switch (cap) {
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
            gl.cullFace = on;
            break;
        case GL_DITHER:
            break;  // on by default in OpenGL and meaningless at eight bits a channel
        default:
            layer::recordError(GL_INVALID_ENUM);
    }
}

bool isBlendFactor(GLenum factor, bool source) {
    switch (factor) {
        case GL_ZERO:
        case GL_ONE:
        case GL_SRC_ALPHA:
        case GL_ONE_MINUS_SRC_ALPHA:
        case GL_DST_ALPHA:
        case GL_ONE_MINUS_DST_ALPHA:
            return true;
        case GL_DST_COLOR:
        case GL_ONE_MINUS_DST_COLOR:
        case GL_SRC_ALPHA_SATURATE:
            return source;
        case GL_SRC_COLOR:
        case GL_ONE_MINUS_SRC_COLOR:
            return !source;
        default:
            return false;
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

void glShadeModel(GLenum mode) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    if (mode != GL_SMOOTH && mode != GL_FLAT) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    context().lighting.smoothShading = mode == GL_SMOOTH;
}

void glBlendFunc(GLenum sfactor, GLenum dfactor) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    if (!isBlendFactor(sfactor, true) || !isBlendFactor(dfactor, false)) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    context().blend.source = sfactor;
    context().blend.destination = dfactor;
}

}  // extern "C"
