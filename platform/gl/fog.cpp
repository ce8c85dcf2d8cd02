// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Exponential fog's density and colour; the renderer applies it per fragment. The other modes,
// linear and GL_EXP2, are refused as unknown.
#include <algorithm>

#include <GL/gl.h>

#include "platform/gl/context.h"

using layer::context;

extern "C" {

void glFogfv(GLenum pname, const GLfloat* params) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    layer::FogState& fog = context().fog;
    switch (pname) {
        case GL_FOG_MODE:
            if (static_cast<GLenum>(params[0]) != GL_EXP) {
                layer::recordError(GL_INVALID_ENUM);
            }
            break;
        case GL_FOG_DENSITY:
            if (params[0] < 0.0f) {
                layer::recordError(GL_INVALID_VALUE);
                return;
            }
            fog.density = params[0];
            break;
        case GL_FOG_START:
        case GL_FOG_END:
            break;  // any value is allowed, and shapes only linear fog
        case GL_FOG_COLOR:
            for (int i = 0; i < 4; ++i) {
                fog.colour[i] = std::min(1.0f, std::max(0.0f, params[i]));
            }
            break;
        default:
            layer::recordError(GL_INVALID_ENUM);
    }
}

void glFogf(GLenum pname, GLfloat param) {
    if (pname == GL_FOG_COLOR) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    glFogfv(pname, &param);
}

}  // extern "C"
