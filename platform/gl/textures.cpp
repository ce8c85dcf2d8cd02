// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Texture objects with one level each: names, binding, images and parameters. Every image is
// turned into RGBA bytes as the texture environment GL_MODULATE will see it, so that the
// renderer has one format to upload.
#include <vector>

#include <GL/gl.h>

#include "platform/gl/context.h"
#include "platform/gl/renderer.h"

using layer::context;

namespace {

int componentsOf(GLenum format) {
    switch (format) {
        case GL_ALPHA:
        case GL_LUMINANCE:
            return 1;
        case GL_LUMINANCE_ALPHA:
            return 2;
        case GL_RGB:
            return 3;
        case GL_RGBA:
            return 4;
        default:
            return 0;
    }
}

// The format that an internal format of OpenGL 1.0's kind (a count of components) or of 1.1's
// kind (a name) keeps.
GLenum keptFormat(GLint internalFormat) {
    switch (internalFormat) {
        case 1:
        case GL_LUMINANCE:
            return GL_LUMINANCE;
        case 2:
        case GL_LUMINANCE_ALPHA:
            return GL_LUMINANCE_ALPHA;
        case 3:
        case GL_RGB:
            return GL_RGB;
        case 4:
        case GL_RGBA:
            return GL_RGBA;
        case GL_ALPHA:
            return GL_ALPHA;
        default:
            return 0;
    }
}

// One texel of the source as red, green, blue and alpha.
std::array<unsigned char, 4> sourceTexel(GLenum format, const unsigned char* at) {
    switch (format) {
        case GL_ALPHA:
            return {0, 0, 0, at[0]};
        case GL_LUMINANCE:
            return {at[0], at[0], at[0], 255};
        case GL_LUMINANCE_ALPHA:
            return {at[0], at[0], at[0], at[1]};
        case GL_RGB:
            return {at[0], at[1], at[2], 255};
        case GL_RGBA:
        default:
            return {at[0], at[1], at[2], at[3]};
    }
}

// What the texture keeps of it; components it does not keep modulate by one.
std::array<unsigned char, 4> keptTexel(GLenum kept, const std::array<unsigned char, 4>& c) {
    switch (kept) {
        case GL_ALPHA:
            return {255, 255, 255, c[3]};
        case GL_LUMINANCE:
            return {c[0], c[0], c[0], 255};
        case GL_LUMINANCE_ALPHA:
            return {c[0], c[0], c[0], c[3]};
        case GL_RGB:
            return {c[0], c[1], c[2], 255};
        case GL_RGBA:
        default:
            return c;
    }
}

std::vector<unsigned char> rgbaImage(GLsizei width, GLsizei height, GLenum format, GLenum kept,
                                     const unsigned char* pixels, int alignment) {
    std::vector<unsigned char> rgba(static_cast<std::size_t>(width) * height * 4);
    if (pixels == nullptr) {
        return rgba;  // an image of undefined content: black here
    }
    const int components = componentsOf(format);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * components;
    const std::size_t rowStride = (rowBytes + alignment - 1) / alignment * alignment;
    std::size_t out = 0;
    for (GLsizei y = 0; y < height; ++y) {
        const unsigned char* row = pixels + rowStride * y;
        for (GLsizei x = 0; x < width; ++x) {
            const auto texel = keptTexel(kept, sourceTexel(format, row + x * components));
            for (const unsigned char channel : texel) {
                rgba[out++] = channel;
            }
        }
    }
    return rgba;
}

bool setFilter(layer::TextureFilter& filter, GLint value, bool minifying) {
    switch (value) {
        case GL_NEAREST:
            filter = layer::TextureFilter::kNearest;
            return true;
        case GL_LINEAR:
            filter = layer::TextureFilter::kLinear;
            return true;
        case GL_NEAREST_MIPMAP_NEAREST:
        case GL_LINEAR_MIPMAP_NEAREST:
        case GL_NEAREST_MIPMAP_LINEAR:
        case GL_LINEAR_MIPMAP_LINEAR:
            if (minifying) {
                filter = layer::TextureFilter::kMipmapped;
                return true;
            }
            return false;
        default:
            return false;
    }
}

bool setWrap(bool& repeat, GLint value) {
    if (value != GL_REPEAT && value != GL_CLAMP) {
        return false;
    }
    repeat = value == GL_REPEAT;
    return true;
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

// Level 0 only: other levels are accepted and kept nowhere, so a mipmapping filter leaves the
// texture incomplete, and unused, as OpenGL would without them.
void glTexImage2D(GLenum target, GLint level, GLint internalformat, GLsizei width, GLsizei height,
                  GLint border, GLenum format, GLenum type, const GLvoid* pixels) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    const GLenum kept = keptFormat(internalformat);
    if (target != GL_TEXTURE_2D || componentsOf(format) == 0 || type != GL_UNSIGNED_BYTE) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    if (kept == 0 || level < 0 || border != 0 || width < 0 || height < 0) {
        layer::recordError(GL_INVALID_VALUE);
        return;
    }
    if (level != 0) {
        return;
    }
    layer::Context& gl = context();
    layer::Texture& texture = gl.boundTextureObject();
    texture.width = width;
    texture.height = height;
    texture.hasImage = true;
    layer::uploadTexture(
        gl.boundTexture, texture,
        rgbaImage(width, height, format, kept, static_cast<const unsigned char*>(pixels),
                  gl.client.unpackAlignment));
}

void glTexParameteri(GLenum target, GLenum pname, GLint param) {
    if (layer::rejectedInsideBeginEnd()) {
        return;
    }
    if (target != GL_TEXTURE_2D) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    layer::Context& gl = context();
    layer::Texture changed = gl.boundTextureObject();
    bool valid = false;
    switch (pname) {
        case GL_TEXTURE_MIN_FILTER:
            valid = setFilter(changed.minFilter, param, true);
            break;
        case GL_TEXTURE_MAG_FILTER:
            valid = setFilter(changed.magFilter, param, false);
            break;
        case GL_TEXTURE_WRAP_S:
            valid = setWrap(changed.repeatS, param);
            break;
        case GL_TEXTURE_WRAP_T:
            valid = setWrap(changed.repeatT, param);
            break;
        default:
            break;
    }
    if (!valid) {
        layer::recordError(GL_INVALID_ENUM);
        return;
    }
    gl.boundTextureObject() = changed;
    layer::applyTextureParameters(gl.boundTexture, changed);
}

}  // extern "C"
