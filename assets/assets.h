// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Both programs' assets, in namespace assets: RAW images, the texture files and the texture
// procedure, the two embedded meshes with their drawing, and the scene layout that the land was
// made for. Nothing here knows either program's state: the mesh drawing takes its element mode
// as an argument.
#pragma once

#include <cstdint>
#include <memory>

#include <GL/gl.h>

#include "assets/meshes.h"
#include "assets/scene_layout.h"
#include "assets/texture_files.h"

namespace assets {

// An RGB pixel buffer filled from a headerless RAW file. Owns its buffer; never copied, since
// a member-wise copy would free the same buffer twice.
class kelImage {
  public:
    kelImage(std::int32_t width, std::int32_t height, const char* path, std::int32_t components);
    virtual ~kelImage();
    kelImage(const kelImage&) = delete;
    kelImage& operator=(const kelImage&) = delete;

    // Fills pixels from the file with one read of at most size bytes. A file that cannot be
    // opened, or that is short, leaves the rest of the buffer as it was (zero); anything but a
    // regular file (a pipe, a device, a directory) counts as missing.
    void load(const char* path);

    std::int32_t components;
    std::int32_t width;
    std::int32_t height;
    std::int32_t size;
    unsigned char* pixels;
};

// Creates texture `texture` from the RAW file: name, image, bind, upload, linear filters.
// Leaves the texture bound and hands back the image, which the caller keeps alive.
std::unique_ptr<kelImage> makeTexture(GLuint& texture, const char* file, int width, int height);
// The same for one of the scene's texture files, with its own name and size.
std::unique_ptr<kelImage> makeTexture(GLuint& texture, const TextureFile& file);

// The mode glDrawElements gets for a render primitive: polygons become triangles, any other
// value passes through.
GLenum elementModeFor(int renderPrimitive);

// The shared forms of the mesh drawing, used by both programs: one indexed draw each from the
// constant arrays, in the element mode the caller gives. Brindlefen passes GL_TRIANGLES;
// Quelmire calls them through its no-argument forms in render/render.h. The land is drawn at
// the origin with whatever texture is bound; the duck scaled by 200, with GL_NORMALIZE left on.
void drawLand(GLenum mode);
void drawDuck(GLenum mode);

}  // namespace assets
