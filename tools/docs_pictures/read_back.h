// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The frame just drawn, read back for a picture: docshot's and the moments' (tools/moments/), of
// either program.
#pragma once

#include <vector>

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;  // rows top-down
};

// The back buffer's bottom-left width x height pixels, once GL has finished drawing.
RgbImage readBackFrame(int width, int height);
