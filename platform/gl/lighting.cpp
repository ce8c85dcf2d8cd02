// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Lights and materials. A light's position and spot direction are taken through the modelview
// matrix of the moment they are set, as OpenGL does, and kept in eye coordinates.
#include <GL/gl.h>

#include "platform/gl/context.h"

using layer::context;

namespace {

layer::Vec4 fourOf(const GLfloat* params) {
    return {params[0], params[1], params[2], params[3]};
}

void setMaterial(layer::Material& material, GLenum pname, const GLfloat* params) {
    switch (pname) {
        case GL_AMBIENT:
            material.ambient = fourOf(params);
            break;
        case GL_DIFFUSE:
            material.diffuse = fourOf(params);
            break;
        case GL_AMBIENT_AND_DIFFUSE:
            material.ambient = fourOf(params);
            material.diffuse = fourOf(params);
            break;
        case GL_SPECULAR:
            material.specular = fourOf(params);
            break;
        case GL_EMISSION:
            material.emission = fourOf(params);
            break;
        case GL_SHININESS:
            material.shininess = params[0];
            break;
        default:
            break;
    }
}

void setAttenuation(float& attenuation, float value) {
    if (value < 0.0f) {
        layer::recordError(GL_INVALID_VALUE);
        return;
    }
    attenuation = value;
}

bool isMaterialParameter(GLenum pname) {
    return pname == GL_AMBIENT || pname == GL_DIFFUSE || pname == GL_AMBIENT_AND_DIFFUSE ||
           pname == GL_SPECULAR || pname == GL_EMISSION || pname == GL_SHININESS;
}

}  // namespace

extern "C" {

void glLightfv(GLenum light, GLenum pname, const GLfloat* params) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    if (light < GL_LIGHT0 || light >= GL_LIGHT0 + layer::kLightCount) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    layer::Context& gl = context();
    layer::Light& target = gl.lighting.lights[light - GL_LIGHT0];
    const layer::Matrix& modelview = gl.modelview.top();
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
            target.position = modelview * fourOf(params);
            break;
        case GL_SPOT_DIRECTION: {
            const layer::Vec4 direction =
                modelview * layer::Vec4{params[0], params[1], params[2], 0.0f};
            target.spotDirection = {direction[0], direction[1], direction[2]};
            break;
        }
        case GL_SPOT_EXPONENT:
            if (params[0] < 0.0f || params[0] > 128.0f) {
                layer::recordError(GL_INVALID_VALUE);
                return;
            }
            target.spotExponent = params[0];
            break;
        case GL_SPOT_CUTOFF:
            if ((params[0] < 0.0f || params[0] > 90.0f) && params[0] != 180.0f) {
                layer::recordError(GL_INVALID_VALUE);
                return;
            }
            target.spotCutoff = params[0];
            break;
        case GL_CONSTANT_ATTENUATION:
            setAttenuation(target.constantAttenuation, params[0]);
            break;
        case GL_LINEAR_ATTENUATION:
            setAttenuation(target.linearAttenuation, params[0]);
            break;
        case GL_QUADRATIC_ATTENUATION:
            setAttenuation(target.quadraticAttenuation, params[0]);
            break;
        default:
            layer::recordError(GL_INVALID_ENUM);
    }
}

// Allowed between glBegin and glEnd, as in OpenGL; such a change lights the whole primitive.
void glMaterialfv(GLenum face, GLenum pname, const GLfloat* params) {
    if ((face != GL_FRONT && face != GL_BACK && face != GL_FRONT_AND_BACK) ||
        !isMaterialParameter(pname)) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    if (pname == GL_SHININESS && (params[0] < 0.0f || params[0] > 128.0f)) {
        layer::recordError(GL_INVALID_VALUE);
        return;
    }
    layer::LightingState& lighting = context().lighting;
    if (face != GL_BACK) {
        setMaterial(lighting.front, pname, params);
    }
    if (face != GL_FRONT) {
        setMaterial(lighting.back, pname, params);
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
