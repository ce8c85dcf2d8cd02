// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// raw2png IN.raw WIDTH HEIGHT OUT.png: shows a headerless RGB texture as an ordinary picture,
// its first row at the top.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "tools/pictures/png_write.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: raw2png IN.raw WIDTH HEIGHT OUT.png\n");
        return 2;
    }
    const long width = std::strtol(argv[2], nullptr, 10);
    const long height = std::strtol(argv[3], nullptr, 10);
    if (width <= 0 || height <= 0 || width > 65535 || height > 65535) {
        std::fprintf(stderr, "raw2png: bad size %s x %s\n", argv[2], argv[3]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "raw2png: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::vector<unsigned char> rgb{std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>()};
    const size_t expected = static_cast<size_t>(width) * static_cast<size_t>(height) * 3;
    // Bytes beyond the picture are ignored, as the programs ignore them.
    if (rgb.size() < expected) {
        std::fprintf(stderr, "raw2png: %s holds %zu bytes, %ld x %ld needs %zu\n", argv[1],
                     rgb.size(), width, height, expected);
        return 1;
    }
    if (!writePng(argv[4], static_cast<int>(width), static_cast<int>(height), rgb.data())) {
        std::fprintf(stderr, "raw2png: cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
