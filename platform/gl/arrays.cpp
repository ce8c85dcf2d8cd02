// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Client-side vertex, normal and texture-coordinate arrays, drawn by glDrawElements. Each
// array element is transformed and lit once per draw, however often the indices name it.
#include <algorithm>
#include <cstring>
#include <vector>

#include <GL/gl.h>

#include "platform/gl/context.h"
#include "platform/gl/primitives.h"
#include "platform/gl/renderer.h"
#include "platform/gl/vertex_pipeline.h"

using layer::context;

namespace {

layer::ClientArray* arrayNamed(GLenum array) {
    layer::ClientState& client = context().client;
    switch (array) {
        case GL_VERTEX_ARRAY:
            return &client.vertex;
        case GL_NORMAL_ARRAY:
            return &client.normal;
        case GL_TEXTURE_COORD_ARRAY:
            return &client.texCoord;
        default:
            return nullptr;  // colour arrays are not part of this OpenGL
    }
}

// Only float arrays are part of this OpenGL; other types are refused as unknown.
void setPointer(layer::ClientArray& array, GLint size, GLenum type, GLsizei stride,
                const GLvoid* pointer) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    if (type != GL_FLOAT) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    if (stride < 0) {
        layer::recordError(GL_INVALID_VALUE);
        return;
    }
    array.size = size;
    array.stride = stride;
    array.pointer = pointer;
}

// Element `index` of a float array, its missing components filled in as OpenGL does.
template <std::size_t N>
std::array<float, N> element(const layer::ClientArray& array, std::uint32_t index,
                             std::array<float, N> fill) {
    const std::size_t stride = array.stride != 0
                                   ? static_cast<std::size_t>(array.stride)
                                   : static_cast<std::size_t>(array.size) * sizeof(float);
    const auto* at = static_cast<const unsigned char*>(array.pointer) + stride * index;
    // No more than the vertex keeps: an array never given a pointer still has OpenGL's initial
    // size of four.
    std::memcpy(fill.data(), at, std::min<std::size_t>(array.size, N) * sizeof(float));
    return fill;
}

layer::VertexInput fetch(const layer::Context& gl, std::uint32_t index) {
    layer::VertexInput vertex = gl.current;
    vertex.position = element<4>(gl.client.vertex, index, {0, 0, 0, 1});
    if (gl.client.normal.enabled) {
        vertex.normal = element<3>(gl.client.normal, index, {0, 0, 1});
    }
    if (gl.client.texCoord.enabled) {
        vertex.texCoord = element<2>(gl.client.texCoord, index, {0, 0});
    }
    return vertex;
}

}  // namespace

extern "C" {

// Arrays are turned off again by glPopClientAttrib, as the programs do.
void glEnableClientState(GLenum array) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    layer::ClientArray* named = arrayNamed(array);
    if (named == nullptr) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    named->enabled = true;
}

void glVertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    if (size < 2 || size > 4) {
        layer::recordError(GL_INVALID_VALUE);
        return;
    }
    setPointer(context().client.vertex, size, type, stride, pointer);
}

void glNormalPointer(GLenum type, GLsizei stride, const GLvoid* pointer) {
    setPointer(context().client.normal, 3, type, stride, pointer);
}

// Vertices keep s and t alone, so arrays of three or four coordinates are refused, as sizes past
// four are.
void glTexCoordPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    if (size < 1 || size > 2) {
        layer::recordError(GL_INVALID_VALUE);
        return;
    }
    setPointer(context().client.texCoord, size, type, stride, pointer);
}

void glDrawElements(GLenum mode, GLsizei count, GLenum type, const GLvoid* indices) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    if (!layer::isPrimitiveMode(mode) || type != GL_UNSIGNED_INT) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    if (count < 0) {
        layer::recordError(GL_INVALID_VALUE);
        return;
    }
    layer::Context& gl = context();
    // Without a vertex array there is nothing to draw.
    if (count == 0 || !gl.client.vertex.enabled || gl.client.vertex.pointer == nullptr ||
        indices == nullptr) {
        return;
    }
    static std::vector<std::uint32_t> order;
    order.clear();
    layer::assemble(mode, static_cast<std::size_t>(count), order);
    if (order.empty()) {
        return;
    }
    // Each array element once: slots map an element to its place among the vertices sent.
    const layer::VertexPipeline pipeline(gl);
    static std::vector<layer::GpuVertex> vertices;
    static std::vector<std::int64_t> slots;
    static std::vector<std::uint32_t> sent;
    vertices.clear();
    sent.clear();
    std::size_t mostElements = 0;
    const auto* elements = static_cast<const GLuint*>(indices);
    for (GLsizei i = 0; i < count; ++i) {
        mostElements = std::max<std::size_t>(mostElements, elements[i] + 1u);
    }
    slots.assign(mostElements, -1);
    for (const std::uint32_t position : order) {
        const std::uint32_t index = elements[position];
        if (slots[index] < 0) {
            slots[index] = static_cast<std::int64_t>(vertices.size());
            vertices.push_back(pipeline.process(fetch(gl, index)));
        }
        sent.push_back(static_cast<std::uint32_t>(slots[index]));
    }
    layer::submit(layer::drawStateFor(gl, layer::classOf(mode)), vertices, sent);
}

}  // extern "C"
