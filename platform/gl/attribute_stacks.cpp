// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The server and client attribute stacks. Of the server's groups only the lighting group is kept
// (the material, the light and the lighting switches): the one the programs save. Pushing other
// groups is allowed and saves nothing of theirs.
#include <GL/gl.h>

#include "platform/gl/context.h"

using layer::context;

extern "C" {

void glPushAttrib(GLbitfield mask) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    layer::Context& gl = context();
    if (gl.attributeStack.size() >= layer::kAttributeStackDepth) {
        layer::recordError(GL_STACK_OVERFLOW);
        return;
    }
    gl.attributeStack.push_back({mask, gl.lighting});
}

void glPopAttrib(void) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    layer::Context& gl = context();
    if (gl.attributeStack.empty()) {
        layer::recordError(GL_STACK_UNDERFLOW);
        return;
    }
    const layer::Context::SavedAttributes& saved = gl.attributeStack.back();
    if ((saved.mask & GL_LIGHTING_BIT) != 0) {
        gl.lighting = saved.lighting;
    }
    gl.attributeStack.pop_back();
}

void glPushClientAttrib(GLbitfield mask) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    layer::Context& gl = context();
    if (gl.clientAttributeStack.size() >= layer::kAttributeStackDepth) {
        layer::recordError(GL_STACK_OVERFLOW);
        return;
    }
    gl.clientAttributeStack.push_back({mask, gl.client});
}

void glPopClientAttrib(void) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    layer::Context& gl = context();
    if (gl.clientAttributeStack.empty()) {
        layer::recordError(GL_STACK_UNDERFLOW);
        return;
    }
    const layer::Context::SavedClientAttributes& saved = gl.clientAttributeStack.back();
    if ((saved.mask & GL_CLIENT_VERTEX_ARRAY_BIT) != 0) {
        gl.client.vertex = saved.client.vertex;
        gl.client.normal = saved.client.normal;
        gl.client.texCoord = saved.client.texCoord;
    }
    if ((saved.mask & GL_CLIENT_PIXEL_STORE_BIT) != 0) {
        gl.client.packAlignment = saved.client.packAlignment;
    }
    gl.clientAttributeStack.pop_back();
}

}  // extern "C"
