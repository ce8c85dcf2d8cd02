// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The real Brindlefen driven as a user would, judged by its pictures, its console and the menus
// the preloaded probe saw it build. It draws nothing that moves by itself, so a picture taken
// behind the help-key barrier (Session::settle) is exactly the state of all input sent before.
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/expected.h"
#include "tests/support/paths.h"
#include "tests/support/session.h"

namespace {

constexpr int kMenuEntries = 4;
constexpr int kToggleLand = 1, kToggleDuck = 2, kHelp = 3;

// Pixels that differ by more than a rounding step, over a rectangle (top-down coordinates).
long differingPixels(const Screenshot& a, const Screenshot& b, int x0 = 0, int y0 = 0, int x1 = -1,
                     int y1 = -1) {
    if (a.width != b.width || a.height != b.height) {
        ADD_FAILURE() << "shots of different sizes";
        return -1;
    }
    x1 = x1 < 0 ? a.width : x1;
    y1 = y1 < 0 ? a.height : y1;
    long n = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            n += near(a.at(x, y), b.at(x, y), 2) ? 0 : 1;
        }
    }
    return n;
}

class Brindlefen : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(b.ready()) << b.program().stderrText();
        // With no window manager the toolkit puts the window at (-1, -1): the shots lose the
        // column and the row that lie off the screen.
        const Screenshot s = b.shot();
        ASSERT_GE(s.width, 399);
        ASSERT_GE(s.height, 399);
    }

    Session b{brindlefenPath(), expected::kBrindlefenTitle, expected::kBrindlefenHelp};
};

TEST_F(Brindlefen, OpensItsTitled400By400WindowBuildsItsMenuAndPrintsOnlyWhenAsked) {
    const WindowGeometry g = windowGeometry(b.window());
    EXPECT_EQ(g.title, expected::kBrindlefenTitle);
    EXPECT_EQ(g.width, 400);
    EXPECT_EQ(g.height, 400);
    EXPECT_EQ(b.program().menuCalls(), expected::kBrindlefenMenus);
    EXPECT_EQ(b.program().counts()->stdoutBytesAtFirstSwap.load(), 0) << "no help at start";

    b.pointAt(200, 200);
    b.keys("z r s f a space Escape 1");
    ASSERT_TRUE(b.settle());
    EXPECT_EQ(b.program().stdoutText(), expected::kBrindlefenHelp) << "other keys print nothing";
    b.keys("H");
    ASSERT_TRUE(b.program().waitForStdoutBytes(2 * expected::kBrindlefenHelp.size()));
    ASSERT_TRUE(b.choose(kMenuEntries, kHelp, 200, 200));
    ASSERT_TRUE(b.program().waitForStdoutBytes(3 * expected::kBrindlefenHelp.size()));
    ASSERT_TRUE(b.settle());
    EXPECT_EQ(b.program().stdoutText(), expected::kBrindlefenHelp + expected::kBrindlefenHelp +
                                            expected::kBrindlefenHelp + expected::kBrindlefenHelp);
    EXPECT_TRUE(b.program().running());
    EXPECT_EQ(b.program().stderrText(), "");
}

TEST_F(Brindlefen, ToggleDuckShowsTheDuckInTheMiddleAndASecondTimeHidesIt) {
    const Screenshot before = b.settledShot();
    ASSERT_TRUE(b.choose(kMenuEntries, kToggleDuck, 200, 200));
    const Screenshot withDuck = b.settledShot();
    EXPECT_GT(differingPixels(before, withDuck, 180, 180, 220, 230), 20)
        << "the duck stands at the origin, in the middle of the picture";
    EXPECT_EQ(differingPixels(before, withDuck, 0, 0, 400, 150), 0) << "nothing else changes";
    ASSERT_TRUE(b.choose(kMenuEntries, kToggleDuck, 200, 200));
    EXPECT_EQ(differingPixels(before, b.settledShot()), 0);
}

TEST_F(Brindlefen, ToggleLandLeavesAPlainBlackWindowAndASecondTimeBringsItBack) {
    const Screenshot before = b.settledShot();
    EXPECT_LT(shareOfColour(before, {0, 0, 0}, 0), 0.99);
    ASSERT_TRUE(b.choose(kMenuEntries, kToggleLand, 200, 200));
    EXPECT_EQ(shareOfColour(b.settledShot(), {0, 0, 0}, 0), 1.0);
    ASSERT_TRUE(b.choose(kMenuEntries, kToggleLand, 200, 200));
    EXPECT_EQ(differingPixels(before, b.settledShot()), 0);
}

TEST_F(Brindlefen, ALeftDragTurnsThePictureAndAMiddleDragOrMovingAfterwardsDoesNot) {
    const Screenshot before = b.settledShot();
    b.drag(200, 200, 90, 60, {}, 0, 2);
    EXPECT_EQ(differingPixels(before, b.settledShot()), 0) << "the middle button turns nothing";

    b.drag(200, 200, 90, 0);
    const Screenshot turned = b.settledShot();
    EXPECT_GT(differingPixels(before, turned), 500);

    b.pointAt(100, 300);  // released: moving on turns nothing more
    EXPECT_EQ(differingPixels(turned, b.settledShot()), 0);
}

TEST(BrindlefenWithoutGrass, StartsSilentlyAndDrawsTheSameUntexturedLand) {
    Screenshot textured;
    {
        Session withGrass(brindlefenPath(), expected::kBrindlefenTitle, expected::kBrindlefenHelp);
        ASSERT_TRUE(withGrass.ready());
        textured = withGrass.settledShot();
    }
    Session::Options noTextures;
    noTextures.textures = false;
    Session bare(brindlefenPath(), expected::kBrindlefenTitle, expected::kBrindlefenHelp,
                 noTextures);
    ASSERT_TRUE(bare.ready()) << bare.program().stderrText();
    const Screenshot shot = bare.settledShot();
    EXPECT_LT(shareOfColour(shot, {0, 0, 0}, 0), 0.99) << "the land is drawn";
    EXPECT_EQ(differingPixels(textured, shot), 0) << "the grass texture is never used";
    EXPECT_EQ(bare.program().stderrText(), "");
}

// Names defined in the program's symbol table, one per line, demangled.
std::string definedSymbols(const std::string& program) {
    const CommandResult nm = runCommand("nm -C --defined-only '" + program + "'");
    EXPECT_EQ(nm.status, 0);
    std::string names;
    for (const std::string& line : linesOf(nm.output)) {
        const std::size_t at = line.find(' ', line.find(' ') + 1);
        if (at != std::string::npos) {
            names += line.substr(at + 1) + "\n";
        }
    }
    return names;
}

bool hasSymbol(const std::string& names, const std::string& name) {
    return ("\n" + names).find("\n" + name) != std::string::npos;
}

TEST(BrindlefenProgram, LinksNothingOfQuelmiresOwnCode) {
    const std::string viewer = definedSymbols(brindlefenPath());
    EXPECT_TRUE(hasSymbol(viewer, "assets::drawLand(")) << "it shares the assets";
    EXPECT_TRUE(hasSymbol(viewer, "brindlefen::viewer\n"));
    const std::string quelmire = definedSymbols(quelmirePath());
    for (const char* name : {"quelmire::scene\n", "quelmire::sunTimer(", "quelmire::drawTree(",
                             "quelmire::redisplayTimer("}) {
        EXPECT_FALSE(hasSymbol(viewer, name)) << name;
        EXPECT_TRUE(hasSymbol(quelmire, name)) << "the same look-up finds it where it belongs";
    }
}

}  // namespace
