// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The real Quelmire driven as a user would: drags, keys and the pop-up menu through xdotool on
// the test's private display, judged by the pictures, the console and what the preloaded probe
// saw. Every "after" picture is taken behind the help-key barrier (Session::settle), so it shows
// all the input sent before it. Which key and which menu entry do what is checked in-process,
// for every key and entry (input_test); here each kind of command is seen once on the screen,
// through a key or through the menu, and each menu handler at least once.
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/expected.h"
#include "tests/support/paths.h"
#include "tests/support/session.h"

namespace {

// The clear colour while the fixed light is on: (0.3, 0.15, 1.0), a still sky, unlike the sun's.
const Rgb kFixedLightSky = {77, 38, 255};
const Rgb kFogGrey = {178, 178, 178};
constexpr int kMenuEntries = 6;
constexpr int kSubmenuEntries = 3;
constexpr int kResetEntry = 3, kRenderModeEntry = 4;

double skyShare(const Screenshot& shot) {
    return shareOfColour(shot, kFixedLightSky, 6);
}

int luminance(const Rgb& c) {
    return (c[0] * 3 + c[1] * 6 + c[2]) / 10;
}

// The horizontal shift that best lays `before` over `after`, judged below the top quarter (the
// sky is the same whatever the shift): positive when the picture moved right.
int bestHorizontalShift(const Screenshot& before, const Screenshot& after) {
    constexpr int kMaxShift = 150;
    int best = 0;
    double bestCost = 1e300;
    for (int shift = -kMaxShift; shift <= kMaxShift; ++shift) {
        double cost = 0;
        long count = 0;
        for (int y = before.height / 4; y < before.height; y += 4) {
            for (int x = kMaxShift; x < before.width - kMaxShift; x += 2) {
                cost += std::abs(luminance(after.at(x + shift, y)) - luminance(before.at(x, y)));
                ++count;
            }
        }
        cost /= double(count);
        if (cost < bestCost) {
            bestCost = cost;
            best = shift;
        }
    }
    return best;
}

// Mean colour distance to the fog grey over the pixels that are not sky in `mask`.
double distanceToFog(const Screenshot& shot, const Screenshot& mask) {
    double sum = 0;
    long count = 0;
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            if (near(mask.at(x, y), kFixedLightSky, 6)) {
                continue;
            }
            const Rgb c = shot.at(x, y);
            sum += std::abs(c[0] - kFogGrey[0]) + std::abs(c[1] - kFogGrey[1]) +
                   std::abs(c[2] - kFogGrey[2]);
            ++count;
        }
    }
    return count == 0 ? 0.0 : sum / double(count);
}

class Quelmire : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(q.ready()) << q.program().stderrText(); }

    // The sun moves the sky every 20 ms; the fixed light keeps the picture still but for the
    // ducks. The sky turns at once, the light at the sun tick still pending, due within 20 ms:
    // three frames are at least 32 ms apart on the program's own timers, so it has run by then.
    Screenshot fixLight() {
        q.keys("s");
        EXPECT_TRUE(q.settle());
        EXPECT_TRUE(q.program().waitForMoreFrames(3));
        const Screenshot fixed = q.shot();
        EXPECT_TRUE(near(fixed.at(2, 2), kFixedLightSky, 6)) << "the fixed light's sky";
        return fixed;
    }

    void chooseReset(int entry) {
        ASSERT_TRUE(q.chooseFromSubmenu(kMenuEntries, kResetEntry, kSubmenuEntries, entry));
    }

    Session q{quelmirePath(), expected::kQuelmireTitle, expected::kQuelmireHelp};
};

TEST_F(Quelmire, OpensItsTitled700By700WindowAt150And0WithTheHelpPrintedBeforeTheFirstFrame) {
    const WindowGeometry g = windowGeometry(q.window());
    EXPECT_EQ(g.title, expected::kQuelmireTitle);
    EXPECT_EQ(g.width, 700);
    EXPECT_EQ(g.height, 700);
    EXPECT_EQ(g.x, 150);
    EXPECT_EQ(g.y, 0);
    EXPECT_EQ(q.program().counts()->stdoutBytesAtFirstSwap.load(),
              static_cast<std::int64_t>(expected::kQuelmireHelp.size()));
    EXPECT_EQ(q.program().stdoutText(), expected::kQuelmireHelp);
    EXPECT_EQ(q.program().stderrText(), "");
}

TEST_F(Quelmire, BuildsItsMenuTreeAndOpensItAtThePointerWithTheRightButton) {
    EXPECT_EQ(q.program().menuCalls(), expected::kQuelmireMenus);

    ASSERT_TRUE(Session::visibleMenus().empty());
    const WindowGeometry origin = windowGeometry(q.window());
    const WindowGeometry menu = q.openMenu(300, 200);
    ASSERT_GT(menu.height, 0) << "a menu window appears";
    EXPECT_EQ(menu.x, origin.x + 300);
    EXPECT_EQ(menu.y, origin.y + 200);
    EXPECT_EQ(menu.height / 25, kMenuEntries) << "25 pixels an entry";
    const WindowGeometry reset = q.openSubmenu(menu, kMenuEntries, kResetEntry);
    EXPECT_EQ(reset.height / 25, kSubmenuEntries);
    EXPECT_NEAR(reset.y, menu.y + 2 * 25, 4) << "beside its entry";
    const WindowGeometry render = q.openSubmenu(menu, kMenuEntries, kRenderModeEntry);
    EXPECT_EQ(render.height / 25, kSubmenuEntries);
    EXPECT_NEAR(render.y, menu.y + 3 * 25, 4);
}

// ---- Camera gestures: each changes the picture its own way, and only its own reset undoes it.

struct Gesture {
    const char* name;
    std::vector<std::string> modifiers;
    int dx, dy, wiggles;
    // What the gesture must have done to the picture.
    void (*expectChange)(const Screenshot& before, const Screenshot& after);
    const char* otherResets;  // keys that must leave the picture as it is
    const char* resetKey;     // the key that undoes it, or null for the reset menu entry
    int resetEntry;
};

void expectChanged(const Screenshot& before, const Screenshot& after) {
    EXPECT_GT(differingShare(before, after), 0.05);
}

void expectMoreSky(const Screenshot& before, const Screenshot& after) {
    EXPECT_GT(skyShare(after), skyShare(before) + 0.02) << "the land shrinks into the sky";
}

void expectMovedRight(const Screenshot& before, const Screenshot& after) {
    EXPECT_GT(bestHorizontalShift(before, after), 0) << "the picture follows the pointer";
}

void expectOnlyLand(const Screenshot&, const Screenshot& after) {
    EXPECT_LT(skyShare(after), 0.01) << "tilted 65 degrees down: nothing but land";
}

class CameraGesture : public Quelmire, public ::testing::WithParamInterface<Gesture> {};

TEST_P(CameraGesture, ChangesThePictureAndOnlyItsOwnResetUndoesIt) {
    const Gesture& g = GetParam();
    const Screenshot start = fixLight();
    q.drag(350, 350, g.dx, g.dy, g.modifiers, g.wiggles);
    const Screenshot moved = q.settledShot();
    g.expectChange(start, moved);
    q.keys(g.otherResets);
    EXPECT_LT(differingShare(moved, q.settledShot()), 0.01) << "other resets change nothing";
    if (g.resetKey != nullptr) {
        q.keys(g.resetKey);
    } else {
        chooseReset(g.resetEntry);
    }
    EXPECT_LT(differingShare(start, q.settledShot()), 0.01) << "back to the start";
}

INSTANTIATE_TEST_SUITE_P(
    Drags, CameraGesture,
    ::testing::Values(
        Gesture{"ShiftDragDownZoomsIn", {"shift"}, 0, 120, 20, expectChanged, "r m", "z", 0},
        Gesture{"ShiftDragUpZoomsOut", {"shift"}, 0, -150, 40, expectMoreSky, "R M", nullptr, 1},
        // Three steps of one unit: near things move well within the shifts searched.
        Gesture{"CtrlDragPans", {"ctrl"}, 60, 0, 1, expectMovedRight, "z r", nullptr, 3},
        Gesture{"PlainDragDownTilts", {}, 0, 60, 0, expectOnlyLand, "z m", "r", 0},
        Gesture{
            "ShiftWithCtrlTurns", {"shift", "ctrl"}, 0, 60, 0, expectOnlyLand, "Z M", nullptr, 2},
        Gesture{"AltDragTurns", {"alt"}, 0, 60, 0, expectOnlyLand, "z m", "R", 0}),
    [](const ::testing::TestParamInfo<Gesture>& info) { return std::string(info.param.name); });

// ---- Keys and menu entries -------------------------------------------------------------

TEST_F(Quelmire, LinesAndPointsShowTheSkyBetweenThemAndFilledBringsTheSurfacesBack) {
    const Screenshot filled = fixLight();
    q.keys("l");
    const Screenshot lines = q.settledShot();
    EXPECT_GT(skyShare(lines), skyShare(filled) + 0.1);
    ASSERT_TRUE(q.chooseFromSubmenu(kMenuEntries, kRenderModeEntry, kSubmenuEntries, 3));
    const Screenshot points = q.settledShot();
    EXPECT_GT(skyShare(points), skyShare(filled) + 0.1);
    EXPECT_GT(differingShare(lines, points), 0.01);
    q.keys("N");
    EXPECT_LT(differingShare(filled, q.settledShot()), 0.01);
}

TEST_F(Quelmire, FogGreysTheLandButNotTheSkyAndTogglesBack) {
    const Screenshot clear = fixLight();
    ASSERT_TRUE(q.choose(kMenuEntries, 2));
    // The land sees the fog switch one frame after the water: the barrier's frames cover both.
    const Screenshot foggy = q.settledShot();
    EXPECT_LT(distanceToFog(foggy, clear), distanceToFog(clear, clear) * 0.97);
    EXPECT_TRUE(near(foggy.at(2, 2), kFixedLightSky, 6)) << "the clear colour is not fogged";
    q.keys("F");
    EXPECT_LT(differingShare(clear, q.settledShot()), 0.01);
}

TEST_F(Quelmire, TheLightTogglesBetweenTheSunsSkyAndTheFixedLightsSky) {
    EXPECT_FALSE(near(q.shot().at(2, 2), kFixedLightSky, 6)) << "the sun's sky at start";
    fixLight();
    ASSERT_TRUE(q.choose(kMenuEntries, 1));
    EXPECT_FALSE(near(q.settledShot().at(2, 2), kFixedLightSky, 6)) << "the sun's sky again";
}

TEST_F(Quelmire, TheHelpKeyAndTheHelpEntryPrintTheWholeBlockAgainEachTime) {
    const std::size_t block = expected::kQuelmireHelp.size();
    q.keys("H");
    ASSERT_TRUE(q.choose(kMenuEntries, 5));
    ASSERT_TRUE(q.program().waitForStdoutBytes(3 * block));
    ASSERT_TRUE(q.settle());  // the key h, a fourth time; nothing else may have come
    std::string fourTimes;
    for (int i = 0; i < 4; ++i) {
        fourTimes += expected::kQuelmireHelp;
    }
    EXPECT_EQ(q.program().stdoutText(), fourTimes);
    EXPECT_EQ(q.program().stderrText(), "");
}

}  // namespace
