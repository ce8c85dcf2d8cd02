// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "assets/assets.h"

namespace assets {

std::unique_ptr<kelImage> makeTexture(GLuint& texture, const char* file, int width, int height) {
    glGenTextures(1, &texture);
    auto image = std::make_unique<kelImage>(width, height, file, 3);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, image->pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return image;
}

std::unique_ptr<kelImage> makeTexture(GLuint& texture, const TextureFile& file) {
    return makeTexture(texture, file.name, file.width, file.height);
}

}  // namespace assets
