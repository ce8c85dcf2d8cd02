// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Texture objects with one level each: names, binding, RGB images and the minifying filter.
// Every image is turned into RGBA bytes, alpha one, so that the renderer has one format to
// upload.
#include <vector>

#include <GL/gl.h>

#include "platform/gl/context.h"
#include "platform/gl/renderer.h"

using layer::context;

namespace {

// The unpack alignment: OpenGL's initial one, which nothing here changes.
constexpr std::size_t kUnpackAlignment = 4;

std::vector<unsigned char> rgbaImage(GLsizei width, GLsizei height, const unsigned char* pixels) {
    std::vector<unsigned char> rgba(static_cast<std::size_t>(width) * height * 4);
    if (pixels == nullptr) {
        return rgba;  // an image of undefined content: black here
    }
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    const std::size_t rowStride =
        (rowBytes + kUnpackAlignment - 1) / kUnpackAlignment * kUnpackAlignment;
    std::size_t out = 0;
    for (GLsizei y = 0; y < height; ++y) {
        const unsigned char* row = pixels + rowStride * y;
        for (GLsizei x = 0; x < width; ++x) {
            rgba[out++] = row[x * 3];
            rgba[out++] = row[x * 3 + 1];
            rgba[out++] = row[x * 3 + 2];
            rgba[out++] = 255;
        }
    }
    return rgba;
}

}  // namespace

extern "C" {

void glGenTextures(GLsizei n, GLuint* textures) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    if (n < 0) {
        layer::recordError(GL_INVALID_VALUE);
        return;
    }
    layer::Context& gl = context();
    for (GLsizei i = 0; i < n; ++i) {
        while (gl.textures.count(gl.nextTextureName) != 0) {
            ++gl.nextTextureName;
        }
        textures[i] = gl.nextTextureName;
        gl.textures[gl.nextTextureName] = layer::Texture{};
        ++gl.nextTextureName;
    }
}

void glBindTexture(GLenum target, GLuint texture) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    if (target != GL_TEXTURE_2D) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    layer::Context& gl = context();
    gl.textures.emplace(texture, layer::Texture{});
    gl.boundTexture = texture;
}

// Level 0 of an RGB image, kept as RGB: an internal format of OpenGL 1.0's kind, 3, as the
// programs give it. Other formats are refused as unknown; other levels as past the largest, the
// only one there is.
void glTexImage2D(GLenum target, GLint level, GLint internalformat, GLsizei width, GLsizei height,
                  GLint border, GLenum format, GLenum type, const GLvoid* pixels) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    if (target != GL_TEXTURE_2D || format != GL_RGB || type != GL_UNSIGNED_BYTE) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    if (internalformat != 3 || level != 0 || border != 0 || width < 0 || height < 0) {
        layer::recordError(GL_INVALID_VALUE);
        return;
    }
    layer::Context& gl = context();
    layer::Texture& texture = gl.boundTextureObject();
    texture.width = width;
    texture.height = height;
    texture.hasImage = true;
    layer::uploadTexture(gl.boundTexture, texture,
                         rgbaImage(width, height, static_cast<const unsigned char*>(pixels)));
}

// The filters GL_LINEAR, and nothing else: the magnifying one is already that.
void glTexParameteri(GLenum target, GLenum pname, GLint param) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    if (target != GL_TEXTURE_2D ||
        (pname != GL_TEXTURE_MIN_FILTER && pname != GL_TEXTURE_MAG_FILTER) || param != GL_LINEAR) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    if (pname == GL_TEXTURE_MIN_FILTER) {
        context().boundTextureObject().minifiesLinearly = true;
    }
}

}  // extern "C"
