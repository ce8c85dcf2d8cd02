// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The scene's texture files: headerless RGB, each with its name and size. They come from the one
// list in assets/textures.cmake, from which the build writes these definitions; the build's
// painting, size check and install rules read the same list.
#pragma once

namespace assets {

struct TextureFile {
    const char* name;
    int width;
    int height;
};

extern const TextureFile kWoodTextureFile;
extern const TextureFile kSign1TextureFile;
extern const TextureFile kSign2TextureFile;
extern const TextureFile kGrassTextureFile;

// All of them, in the list's order.
extern const TextureFile kTextureFiles[];
extern const int kTextureFileCount;

}  // namespace assets
