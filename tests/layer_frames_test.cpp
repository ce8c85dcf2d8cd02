// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The browser platform draws what the desktop draws. momentshot draws Quelmire's moments and
// brindlefen_momentshot Brindlefen's through the programs' own code, once on the desktop's
// OpenGL and once on the platform natively: our OpenGL, GLU and GLUT over OpenGL ES 3 on the
// same Mesa. With one rasteriser under both, the frames may differ only where arithmetic rounds
// another way, a pixel here and there; a wrong light, fog, texture, primitive or quadric shows
// over whole surfaces, and a lost line or point leaves the desktop's pixels unmatched.
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/frame_compare.h"
#include "tests/support/paths.h"
#include "tests/support/pictures.h"

namespace {

// The share of a frame's pixels, in percent, that may be unmatched either way (frame_compare.h).
// Measured on llvmpipe, with LP_NUM_THREADS 0 and 2 alike: at most 0.0031 % in a filled moment
// (Brindlefen's start) and 0.0006 % in one of lines or points. Twice the larger is still under
// 0.05 %, the least limit that any frame comparison here takes. With every fiftieth line left
// out, 0.065 to 0.34 % of the desktop's pixels are unmatched in the lines moments.
constexpr double kLimit = 0.05;

fs::path drawMoments(const std::string& tool) {
    const fs::path dir = makeTempDir();
    const std::string command = quoted(fs::path(tool)) + " " + quoted(dir) + " " +
                                quoted(fs::path(dataDir())) + " >/dev/null";
    EXPECT_EQ(run(command), 0) << tool << " failed";
    return dir;
}

void expectSameMoments(const std::string& desktopTool, const std::string& layerTool,
                       const std::vector<std::string>& moments) {
    const fs::path desktop = drawMoments(desktopTool);
    const fs::path layer = drawMoments(layerTool);
    for (const std::string& moment : moments) {
        const Picture reference = readPpm(desktop / (moment + ".ppm"));
        const Picture drawn = readPpm(layer / (moment + ".ppm"));
        ASSERT_FALSE(reference.rgb.empty()) << desktopTool << " drew no " << moment;
        ASSERT_FALSE(drawn.rgb.empty()) << layerTool << " drew no " << moment;
        const FrameDifference difference = compareFrames(drawn, reference);
        std::printf(
            "%-20s %7.4f %% differ at the same place; unmatched: %7.4f %% of the "
            "platform's, %7.4f %% of the desktop's (limit %.2f %%)\n",
            moment.c_str(), difference.samePlace, difference.drawnUnmatched,
            difference.referenceUnmatched, kLimit);
        EXPECT_LE(difference.bothWays(), kLimit)
            << moment << ": the platform's frame is not the desktop's (" << layer << ", " << desktop
            << ")";
    }
    if (!::testing::Test::HasFailure()) {
        fs::remove_all(desktop);
        fs::remove_all(layer);
    }
}

}  // namespace

TEST(LayerFrames, quelmiresMomentsAreTheDesktopsOnTheSameMesa) {
    expectSameMoments(momentshotPath(), layerMomentshotPath(),
                      {"dawn", "noon", "noon-fog", "noon-lines", "noon-points", "turned-noon",
                       "turned-noon-fog", "turned-noon-lines", "turned-noon-points", "turned-fixed",
                       "turned-fixed-fog", "fixed-fog", "fixed"});
}

TEST(LayerFrames, brindlefensMomentsAreTheDesktopsOnTheSameMesa) {
    expectSameMoments(brindlefenMomentshotPath(), layerBrindlefenMomentshotPath(),
                      {"start", "turned-duck"});
}
