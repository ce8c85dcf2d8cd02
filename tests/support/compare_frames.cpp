// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// compare_frames DRAWN.ppm REFERENCE.ppm: prints the shares of frame_compare.h, in percent, for
// the browser tests, which judge them: at the same place, the drawn frame's pixels unmatched in
// the reference, and the reference's unmatched in the drawn frame. Exit status 2 if either file
// is not a frame or their sizes differ.
#include <cstdio>

#include "tests/support/frame_compare.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: compare_frames DRAWN.ppm REFERENCE.ppm\n");
        return 2;
    }
    const Picture drawn = readPpm(argv[1]);
    const Picture reference = readPpm(argv[2]);
    if (drawn.rgb.empty() || reference.rgb.empty() || drawn.width != reference.width ||
        drawn.height != reference.height) {
        std::fprintf(stderr, "compare_frames: %s and %s are not frames of one size\n", argv[1],
                     argv[2]);
        return 2;
    }
    const FrameDifference difference = compareFrames(drawn, reference);
    std::printf("%.4f %.4f %.4f\n", difference.samePlace, difference.drawnUnmatched,
                difference.referenceUnmatched);
    return 0;
}
