// The frame just drawn, read back for a picture: a strip's panel or a whole window.
#pragma once

#include <vector>

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;  // rows top-down
};

// The back buffer's bottom-left width x height pixels, once GL has finished drawing.
RgbImage readBackFrame(int width, int height);
