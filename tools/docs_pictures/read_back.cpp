// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "tools/docs_pictures/read_back.h"

#include <algorithm>

#include <GL/gl.h>

RgbImage readBackFrame(int width, int height) {
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    // llvmpipe keeps the back buffer across a swap; its front buffer reads back black.
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    // GL rows run bottom-up.
    RgbImage image{width, height, std::vector<unsigned char>(rgb.size())};
    const size_t row = static_cast<size_t>(width) * 3;
    for (int y = 0; y < height; ++y) {
        std::copy_n(&rgb[row * (height - 1 - y)], row, &image.rgb[row * y]);
    }
    return image;
}
