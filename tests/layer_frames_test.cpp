// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The browser platform draws what the desktop draws. momentshot draws Quelmire's moments and
// brindlefen_momentshot Brindlefen's through the programs' own code, once on the desktop's
// OpenGL and once on the platform natively: our OpenGL, GLU and GLUT over OpenGL ES 3 on the
// same Mesa. With one rasteriser under both, the frames may differ only where arithmetic rounds
// another way, a pixel here and there; a wrong light, fog, texture, primitive or quadric shows
// over whole surfaces.
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/frame_compare.h"
#include "tests/support/paths.h"
#include "tests/support/pictures.h"

namespace {

// Shares of a frame's pixels, in percent.
constexpr double kSamePlaceLimit = 0.03;
constexpr double kBeyondNeighboursLimit = 0.01;

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
        std::printf("%-20s %7.3f %% differ at the same place, %7.3f %% from every neighbour\n",
                    moment.c_str(), difference.samePlace, difference.beyondNeighbours);
        EXPECT_LE(difference.samePlace, kSamePlaceLimit)
            << moment << ": the platform's frame is not the desktop's (" << layer << ", " << desktop
            << ")";
        EXPECT_LE(difference.beyondNeighbours, kBeyondNeighboursLimit)
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
