// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Light 0 and the material of both faces. The light's position is taken through the modelview
// matrix of the moment it is set, as OpenGL does, and kept in eye coordinates.
#include <GL/gl.h>

#include "platform/gl/context.h"

using layer::context;

namespace {

layer::Vec4 fourOf(const GLfloat* params) {
    return {params[0], params[1], params[2], params[3]};
}

}  // namespace

extern "C" {

void glLightfv(GLenum light, GLenum pname, const GLfloat* params) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    if (light != GL_LIGHT0) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    layer::Context& gl = context();
    layer::Light& target = gl.lighting.light;
    switch (pname) {
        case GL_AMBIENT:
            target.ambient = fourOf(params);
            break;
        case GL_DIFFUSE:
            target.diffuse = fourOf(params);
            break;
        case GL_SPECULAR:
            target.specular = fourOf(params);
            break;
        case GL_POSITION:
            target.position = gl.modelview.top() * fourOf(params);
            break;
        default:
            layer::recordError(GL_INVALID_ENUM);
    }
}

// Allowed between glBegin and glEnd, as in OpenGL; such a change lights the whole primitive.
void glMaterialfv(GLenum face, GLenum pname, const GLfloat* params) {
    if (face != GL_FRONT_AND_BACK) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    layer::Material& material = context().lighting.material;
    switch (pname) {
        case GL_AMBIENT:
            material.ambient = fourOf(params);
            break;
        case GL_DIFFUSE:
            material.diffuse = fourOf(params);
            break;
        case GL_SPECULAR:
            material.specular = fourOf(params);
            break;
        case GL_SHININESS:
            if (params[0] < 0.0f || params[0] > 128.0f) {
                layer::recordError(GL_INVALID_VALUE);
                return;
            }
            material.shininess = params[0];
            break;
        default:
            layer::recordError(GL_INVALID_ENUM);
    }
}

void glMaterialf(GLenum face, GLenum pname, GLfloat param) {
    if (pname != GL_SHININESS) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    glMaterialfv(face, pname, &param);
}

}  // extern "C"
