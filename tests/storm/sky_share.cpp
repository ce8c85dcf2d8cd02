// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// sky_share WINDOW: prints, in whole percent, how much of the window has the colour of its top
// left corner, which in Quelmire's reset view is sky whatever colour the sun gives it.
#include <cstdio>

#include "tests/support/program.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: sky_share WINDOW\n");
        return 2;
    }
    const Screenshot shot = grabWindow(argv[1]);
    if (shot.width < 3 || shot.height < 3) {
        std::printf("-1\n");
        return 1;
    }
    std::printf("%d\n", static_cast<int>(100.0 * shareOfColour(shot, shot.at(2, 2), 2)));
    return 0;
}
