// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The one place where recorded state becomes WebGL: finished vertices are gathered into a batch
// for as long as nothing that WebGL must know changes (the primitive class, the texture,
// blending, depth test, fog), then drawn in one call. Without a surface nothing is drawn.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gl/context.h"
#include "platform/gl/primitives.h"
#include "platform/gl/vertex_pipeline.h"

namespace layer {

// What WebGL must be told for a batch.
struct DrawState {
    PrimitiveClass primitives;
    bool textured;
    std::uint32_t texture;
    BlendState blend;
    bool depthTest;
    FogState fog;
};
bool operator==(const DrawState& a, const DrawState& b);

DrawState drawStateFor(const Context& gl, PrimitiveClass primitives);

// Adds primitives to the batch: `indices` count into `vertices`. Lines and points are clipped
// at the near plane on the way.
void submit(const DrawState& state, const std::vector<GpuVertex>& vertices,
            const std::vector<std::uint32_t>& indices);

void clearSurface(bool colour, bool depth, const Vec4& clearColour);
void setSurfaceViewport(const Viewport& viewport);
// A texture's level 0 as tightly packed RGBA bytes. WebGL's texture minifies linearly from the
// start: the layer draws with a texture only once its own filter says so (Texture::complete).
void uploadTexture(std::uint32_t name, const Texture& texture,
                   const std::vector<unsigned char>& rgba);
// The surface's pixels as RGBA bytes, rows bottom-up, once everything recorded is drawn.
std::vector<unsigned char> readSurface(int x, int y, int width, int height);
void flushSurface();
void finishSurface();

}  // namespace layer
