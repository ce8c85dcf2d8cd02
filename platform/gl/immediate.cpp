// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Immediate mode: glBegin gathers vertices with the current normal and texture coordinates, and
// glEnd hands them on as whole primitives.
#include <vector>

#include <GL/gl.h>

#include "platform/gl/context.h"
#include "platform/gl/primitives.h"
#include "platform/gl/renderer.h"
#include "platform/gl/vertex_pipeline.h"

using layer::context;

extern "C" {

void glBegin(GLenum mode) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    if (!layer::isPrimitiveMode(mode)) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    layer::Context& gl = context();
    gl.insideBeginEnd = true;
    gl.beginMode = mode;
    gl.begun.clear();
}

void glEnd(void) {
    layer::Context& gl = context();
    if (!gl.insideBeginEnd) {
        layer::recordError(GL_INVALID_OPERATION);
        return;
    }
    gl.insideBeginEnd = false;
    static std::vector<std::uint32_t> indices;
    indices.clear();
    layer::assemble(gl.beginMode, gl.begun.size(), indices);
    if (indices.empty()) {
        return;
    }
    const layer::VertexPipeline pipeline(gl);
    static std::vector<layer::GpuVertex> vertices;
    vertices.clear();
    for (const layer::VertexInput& vertex : gl.begun) {
        vertices.push_back(pipeline.process(vertex));
    }
    layer::submit(layer::drawStateFor(gl, layer::classOf(gl.beginMode)), vertices, indices);
}

// Outside glBegin and glEnd a vertex means nothing, and OpenGL ignores it.
void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    layer::Context& gl = context();
    if (!gl.insideBeginEnd) {
        return;
    }
    layer::VertexInput vertex = gl.current;
    vertex.position = {x, y, z, 1.0f};
    gl.begun.push_back(vertex);
}

void glNormal3f(GLfloat nx, GLfloat ny, GLfloat nz) {
    context().current.normal = {nx, ny, nz};
}

void glTexCoord2f(GLfloat s, GLfloat t) {
    context().current.texCoord = {s, t};
}

}  // extern "C"
