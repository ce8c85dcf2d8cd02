// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "tests/support/launchers.h"

#include <climits>
#include <cstdlib>

#include <gtest/gtest.h>

#include "tests/support/expected.h"

namespace {

std::string canonical(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? resolved : path;
}

void expectRunsIn(const Program& program, const std::string& binary, const std::string& folder) {
    const std::string proc = "/proc/" + std::to_string(program.pid());
    EXPECT_EQ(canonical(proc + "/exe"), canonical(binary)) << "the launcher runs its own program";
    EXPECT_EQ(canonical(proc + "/cwd"), canonical(folder)) << "in the texture folder";
}

}  // namespace

double shareOfBlack(const Screenshot& shot, int x0, int y0, int x1, int y1) {
    return shareOfColour(shot, {0, 0, 0}, 3, x0, y0, x1, y1);
}

double shareOfBlackLand(const Screenshot& shot) {
    return 0.5 * (shareOfBlack(shot, 0, 370, 700, 430) + shareOfBlack(shot, 500, 620, 700, 700));
}

void quitWithQ(Program& program, const std::string& window) {
    ASSERT_TRUE(xdo("mousemove --window " + window + " 200 200 key q"));
    EXPECT_EQ(program.waitExit(), 0) << program.stderrText();
}

void expectQuelmireLauncherWorks(const std::string& bin, const std::string& programs,
                                 const std::string& textures, const std::string& from) {
    Program quelmire(bin + "/quelmire", from);
    const std::string window = quelmire.waitForWindow(expected::kQuelmireTitle);
    ASSERT_FALSE(window.empty()) << quelmire.stderrText();
    expectRunsIn(quelmire, programs + "/quelmire", textures);
    const Screenshot shot = grabWindow(window);
    ASSERT_EQ(shot.width, 700);
    EXPECT_LT(shareOfBlackLand(shot), 0.05) << "textured land";
    EXPECT_EQ(quelmire.stdoutText(), expected::kQuelmireHelp);
    quitWithQ(quelmire, window);
}

void expectBrindlefenLauncherWorks(const std::string& bin, const std::string& programs,
                                   const std::string& textures, const std::string& from) {
    Program brindlefen(bin + "/brindlefen", from);
    const std::string window = brindlefen.waitForWindow(expected::kBrindlefenTitle);
    ASSERT_FALSE(window.empty()) << brindlefen.stderrText();
    expectRunsIn(brindlefen, programs + "/brindlefen", textures);
    const Screenshot shot = grabWindow(window);
    ASSERT_GE(shot.width, 380);
    EXPECT_LT(shareOfBlack(shot, 20, 188, 380, 196), 0.2) << "the lit land across the middle";
    EXPECT_GT(shareOfBlack(shot, 0, 0, shot.width, 150), 0.99) << "on black";
    quitWithQ(brindlefen, window);
}
