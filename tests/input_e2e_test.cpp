// The real Quelmire driven as a user would: drags, keys and the pop-up menu through xdotool on
// the test's private display, judged by the pictures, the console and the exit status.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/app.h"
#include "tests/support/program.h"

namespace {

// The clear colour while the fixed light is on: a still sky, unlike the sun's.
const Rgb kFixedLightSky = {77, 38, 255};
const Rgb kFogGrey = {178, 178, 178};
constexpr int kMenuEntryCount = 6;
constexpr int kSubmenuEntryCount = 3;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) {
            out.push_back(line);
        }
    }
    return out;
}

std::vector<std::string> visibleMenus() {
    return lines(
        runCommand("xdotool search --onlyvisible --name '^freeglut menu$' 2>/dev/null").output);
}

// Share of pixels where some channel differs by more than a little: the ducks' walk alone
// stays well under one percent.
double differingShare(const Screenshot& a, const Screenshot& b) {
    if (a.width != b.width || a.height != b.height || a.width == 0) {
        return 1.0;
    }
    long differing = 0;
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            differing += near(a.at(x, y), b.at(x, y), 24) ? 0 : 1;
        }
    }
    return double(differing) / (double(a.width) * a.height);
}

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

class RealQuelmire : public ::testing::Test {
  protected:
    void SetUp() override {
        copyTextures(dir.path);
        program = std::make_unique<Program>(QUELMIRE_PATH, dir.path);
        window = program->waitForWindow(kWindowTitle);
        ASSERT_FALSE(window.empty()) << program->stderrText();
        const WindowGeometry g = windowGeometry(window);
        originX = g.x;
        originY = g.y;
        startupText = program->stdoutText();
    }

    void pointAt(int x, int y) {
        xdo("mousemove --window " + window + " " + std::to_string(x) + " " + std::to_string(y));
    }

    // Keys go to the window under the pointer.
    void press(const std::string& keys) {
        pointAt(350, 350);
        xdo("key " + keys);
    }

    Screenshot shot() { return grabWindow(window); }

    // Grabs the window until `wanted` holds of the picture or the time runs out, and returns
    // the last picture: the program draws at its own pace, slower on a busy machine.
    template <typename Wanted>
    Screenshot shotWhen(Wanted wanted, double seconds = 8.0) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        Screenshot s = shot();
        while (!wanted(s) && std::chrono::steady_clock::now() < end) {
            sleepSeconds(0.05);
            s = shot();
        }
        return s;
    }

    Screenshot shotOnceChangedFrom(const Screenshot& before) {
        return shotWhen([&](const Screenshot& s) { return differingShare(before, s) > 0.05; });
    }

    Screenshot shotOnceBackTo(const Screenshot& before) {
        return shotWhen([&](const Screenshot& s) { return differingShare(before, s) < 0.01; });
    }

    // A picture that holds still between two grabs a few frames apart: the input sent so far
    // has been drawn.
    Screenshot stillShot() {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(8);
        Screenshot previous = shot();
        for (;;) {
            sleepSeconds(0.15);
            Screenshot s = shot();
            if (differingShare(previous, s) < 0.005 || std::chrono::steady_clock::now() > end) {
                return s;
            }
            previous = std::move(s);
        }
    }

    // Waits for a change that must not come; only a busy machine makes this wait long enough.
    Screenshot shotAfterAWhile() {
        sleepSeconds(0.6);
        return shot();
    }

    // The sun moves the sky every 20 ms; the fixed light keeps the picture still.
    void fixLight() {
        press("s");
        const Screenshot fixed =
            shotWhen([](const Screenshot& s) { return near(s.at(2, 2), kFixedLightSky, 6); });
        const Rgb c = fixed.at(2, 2);
        ASSERT_TRUE(near(c, kFixedLightSky, 6))
            << "the fixed light's sky, not " << c[0] << "," << c[1] << "," << c[2];
        // The sky turns at once; the light follows at the sun tick still pending.
        sleepSeconds(0.3);
    }

    // A left drag from the centre by (dx, dy) with the given modifier keys held, followed by
    // `extraEvents` pairs of one-pixel wiggles that the zoom and pan count again.
    void drag(const std::vector<std::string>& modifiers, int dx, int dy, int extraEvents = 0) {
        std::string command = "mousemove --window " + window + " 350 350";
        for (const std::string& m : modifiers) {
            command += " keydown " + m;
        }
        command += " mousedown 1 mousemove --window " + window + " " + std::to_string(350 + dx) +
                   " " + std::to_string(350 + dy);
        for (int i = 0; i < extraEvents; ++i) {
            command += " mousemove_relative 1 0 mousemove_relative -- -1 0";
        }
        command += " mouseup 1";
        for (const std::string& m : modifiers) {
            command += " keyup " + m;
        }
        ASSERT_TRUE(xdo(command));
    }

    // Waits for a menu window that was not in `known` and returns its geometry.
    WindowGeometry waitForNewMenu(const std::vector<std::string>& known) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (std::chrono::steady_clock::now() < end) {
            for (const std::string& id : visibleMenus()) {
                if (std::find(known.begin(), known.end(), id) == known.end()) {
                    return windowGeometry(id);
                }
            }
            sleepSeconds(0.02);
        }
        return {};
    }

    // Right click at a window point; returns the top-level menu that opens there.
    WindowGeometry openMenu(int x = 300, int y = 300) {
        const auto known = visibleMenus();
        pointAt(x, y);
        xdo("click 3");
        return waitForNewMenu(known);
    }

    static std::string entryPoint(const WindowGeometry& menu, int entries, int entry) {
        const int x = menu.x + menu.width / 2;
        const int y = menu.y + menu.height * (2 * entry - 1) / (2 * entries);
        return std::to_string(x) + " " + std::to_string(y);
    }

    void clickEntry(const WindowGeometry& menu, int entries, int entry) {
        xdo("mousemove " + entryPoint(menu, entries, entry));
        sleepSeconds(0.05);
        xdo("click 1");
    }

    // Opens the submenu behind top-level entry 3 ("Reset") or 4 ("Change Render Mode").
    WindowGeometry openSubmenu(const WindowGeometry& menu, int entry) {
        const auto known = visibleMenus();
        xdo("mousemove " + entryPoint(menu, kMenuEntryCount, entry));
        return waitForNewMenu(known);
    }

    void chooseFromSubmenu(int entry, int subEntry) {
        const WindowGeometry menu = openMenu();
        ASSERT_GT(menu.height, 0) << "the menu opens";
        const WindowGeometry submenu = openSubmenu(menu, entry);
        ASSERT_GT(submenu.height, 0) << "the submenu opens";
        clickEntry(submenu, kSubmenuEntryCount, subEntry);
    }

    void choose(int entry) {
        const WindowGeometry menu = openMenu();
        ASSERT_GT(menu.height, 0) << "the menu opens";
        clickEntry(menu, kMenuEntryCount, entry);
    }

    // Standard output once it has reached `size` bytes, or whatever came within a few seconds.
    std::string waitForOutput(std::size_t size) {
        for (int i = 0; i < 160 && program->stdoutText().size() < size; ++i) {
            sleepSeconds(0.05);
        }
        sleepSeconds(0.1);  // anything more would come now
        return program->stdoutText();
    }

    TempDir dir;
    std::unique_ptr<Program> program;
    std::string window;
    int originX = 0, originY = 0;
    std::string startupText;
};

// ---- Mouse navigation ----------------------------------------------------------------------

using MouseNavigation = RealQuelmire;

TEST_F(MouseNavigation, AShiftDragChangesThePictureAndOnlyResetZoomUndoesIt) {
    fixLight();
    const Screenshot start = stillShot();
    drag({"shift"}, 0, 120, 20);
    const Screenshot zoomed = shotOnceChangedFrom(start);
    ASSERT_GT(differingShare(start, zoomed), 0.05);
    const Screenshot settled = stillShot();
    press("r m");
    EXPECT_LT(differingShare(settled, shotAfterAWhile()), 0.01) << "neither turned nor panned";
    press("z");
    EXPECT_LT(differingShare(start, shotOnceBackTo(start)), 0.01);
}

TEST_F(MouseNavigation, AShiftDragUpMovesTheCameraBackSoTheLandShrinksIntoTheSky) {
    fixLight();
    const Screenshot start = stillShot();
    drag({"shift"}, 0, -150, 40);
    shotOnceChangedFrom(start);
    EXPECT_GT(skyShare(stillShot()), skyShare(start) + 0.02);
    press("z");
    EXPECT_LT(differingShare(start, shotOnceBackTo(start)), 0.01);
}

TEST_F(MouseNavigation, ACtrlDragSlidesThePictureWithThePointerAndOnlyResetMoveUndoesIt) {
    fixLight();
    const Screenshot start = stillShot();
    // Three steps of one unit: near things move well within the shifts searched.
    drag({"ctrl"}, 60, 0, 1);
    shotOnceChangedFrom(start);
    const Screenshot panned = stillShot();
    ASSERT_GT(differingShare(start, panned), 0.05);
    EXPECT_GT(bestHorizontalShift(start, panned), 0) << "the picture moved right";
    press("z r");
    EXPECT_LT(differingShare(panned, shotAfterAWhile()), 0.01) << "neither zoomed nor turned";
    press("m");
    EXPECT_LT(differingShare(start, shotOnceBackTo(start)), 0.01);
}

TEST_F(MouseNavigation, APlainDragDownTiltsTheViewOntoTheLandAndOnlyResetRotationUndoesIt) {
    fixLight();
    const Screenshot start = stillShot();
    ASSERT_GT(skyShare(start), 0.2);
    drag({}, 0, 60);
    const Screenshot tilted = shotWhen([](const Screenshot& s) { return skyShare(s) < 0.01; });
    EXPECT_LT(skyShare(tilted), 0.01) << "65 degrees down: nothing but land";
    const Screenshot settled = stillShot();
    press("z m");
    EXPECT_LT(differingShare(settled, shotAfterAWhile()), 0.01) << "neither zoomed nor panned";
    press("r");
    EXPECT_LT(differingShare(start, shotOnceBackTo(start)), 0.01);
}

TEST_F(MouseNavigation, ShiftWithCtrlOrAltHeldTurnsLikeAPlainDrag) {
    fixLight();
    const Screenshot start = stillShot();
    for (const std::vector<std::string>& modifiers :
         {std::vector<std::string>{"shift", "ctrl"}, std::vector<std::string>{"alt"}}) {
        drag(modifiers, 0, 60);
        const Screenshot tilted = shotWhen([](const Screenshot& s) { return skyShare(s) < 0.01; });
        EXPECT_LT(skyShare(tilted), 0.01) << modifiers.front();
        press("r");
        EXPECT_LT(differingShare(start, shotOnceBackTo(start)), 0.01) << modifiers.front();
    }
}

// ---- The pop-up menu ---------------------------------------------------------------------

using PopUpMenu = RealQuelmire;

TEST_F(PopUpMenu, RightClickOpensSixEntriesAtThePointerWithTwoThreeEntrySubmenus) {
    ASSERT_TRUE(visibleMenus().empty());
    const WindowGeometry menu = openMenu(300, 200);
    ASSERT_GT(menu.height, 0) << "a menu window appears";
    EXPECT_EQ(visibleMenus().size(), 1u);
    EXPECT_EQ(menu.x, originX + 300);
    EXPECT_EQ(menu.y, originY + 200);
    EXPECT_EQ(menu.height / 25, kMenuEntryCount);

    const WindowGeometry reset = openSubmenu(menu, 3);
    EXPECT_EQ(reset.height / 25, kSubmenuEntryCount);
    EXPECT_GE(reset.x, menu.x + menu.width / 2) << "beside its entry";
    EXPECT_NEAR(reset.y, menu.y + 2 * 25, 4);

    const WindowGeometry render = openSubmenu(menu, 4);
    EXPECT_EQ(render.height / 25, kSubmenuEntryCount);
    EXPECT_NEAR(render.y, menu.y + 3 * 25, 4);
    EXPECT_TRUE(program->running());
}

TEST_F(PopUpMenu, QuitEndsTheProgramAtOnceWithStatusZero) {
    choose(6);
    EXPECT_EQ(program->waitExit(8.0), 0);
    EXPECT_EQ(program->stderrText(), "");
}

TEST_F(PopUpMenu, HelpPrintsTheHelpBlockAgain) {
    ASSERT_EQ(lines(startupText).size(), 11u);
    choose(5);
    EXPECT_EQ(waitForOutput(2 * startupText.size()), startupText + startupText);
}

TEST_F(PopUpMenu, ToggleFogGreysTheLandButNotTheSkyAndTogglesBack) {
    fixLight();
    const Screenshot clear = stillShot();
    choose(2);
    shotOnceChangedFrom(clear);
    const Screenshot foggy = stillShot();
    EXPECT_LT(distanceToFog(foggy, clear), distanceToFog(clear, clear) * 0.97);
    EXPECT_TRUE(near(foggy.at(2, 2), kFixedLightSky, 6)) << "the clear colour is not fogged";
    choose(2);
    EXPECT_LT(differingShare(clear, shotOnceBackTo(clear)), 0.01);
}

TEST_F(PopUpMenu, LinesAndPointsShowMuchMoreSkyAndFilledBringsTheSurfacesBack) {
    fixLight();
    const Screenshot filled = stillShot();
    chooseFromSubmenu(4, 2);
    shotOnceChangedFrom(filled);
    const Screenshot lines = stillShot();
    EXPECT_GT(skyShare(lines), skyShare(filled) + 0.1);
    chooseFromSubmenu(4, 3);
    shotOnceChangedFrom(lines);
    const Screenshot points = stillShot();
    EXPECT_GT(skyShare(points), skyShare(filled) + 0.1);
    EXPECT_GT(differingShare(lines, points), 0.01);
    chooseFromSubmenu(4, 1);
    EXPECT_LT(differingShare(filled, shotOnceBackTo(filled)), 0.01);
}

TEST_F(PopUpMenu, EachResetEntryUndoesItsOwnDrag) {
    fixLight();
    const Screenshot start = stillShot();
    drag({"shift"}, 0, 120, 20);
    drag({"ctrl"}, 60, 0, 4);
    drag({}, 0, 60);
    shotOnceChangedFrom(start);
    chooseFromSubmenu(3, 1);
    chooseFromSubmenu(3, 2);
    const Screenshot stillPanned = stillShot();
    EXPECT_GT(differingShare(start, stillPanned), 0.05) << "still panned";
    chooseFromSubmenu(3, 3);
    EXPECT_LT(differingShare(start, shotOnceBackTo(start)), 0.01);
}

// ---- Keys --------------------------------------------------------------------------------

using Keys = RealQuelmire;

TEST_F(Keys, SAndTheToggleLightEntrySwitchBetweenTheSunAndTheFixedLight) {
    EXPECT_FALSE(near(shot().at(2, 2), kFixedLightSky, 6)) << "the sun's sky at start";
    fixLight();
    choose(1);
    const Screenshot sun =
        shotWhen([](const Screenshot& s) { return !near(s.at(2, 2), kFixedLightSky, 6); });
    EXPECT_FALSE(near(sun.at(2, 2), kFixedLightSky, 6)) << "the sun's sky again";
}

TEST_F(Keys, RenderModeKeysMatchTheirMenuEntries) {
    fixLight();
    const Screenshot filled = stillShot();
    press("l");
    shotOnceChangedFrom(filled);
    const Screenshot byKey = stillShot();
    EXPECT_GT(skyShare(byKey), skyShare(filled) + 0.1);
    press("N");
    EXPECT_LT(differingShare(filled, shotOnceBackTo(filled)), 0.01);
    chooseFromSubmenu(4, 2);
    EXPECT_LT(differingShare(byKey, shotOnceBackTo(byKey)), 0.01);
    press("P");
    shotOnceChangedFrom(byKey);
    const Screenshot points = stillShot();
    press("n p");
    EXPECT_LT(differingShare(points, shotAfterAWhile()), 0.01);
}

TEST_F(Keys, FTogglesTheFogLikeItsMenuEntry) {
    fixLight();
    const Screenshot clear = stillShot();
    press("f");
    shotOnceChangedFrom(clear);
    const Screenshot foggy = stillShot();
    EXPECT_LT(distanceToFog(foggy, clear), distanceToFog(clear, clear) * 0.97);
    press("F");
    EXPECT_LT(differingShare(clear, shotOnceBackTo(clear)), 0.01);
}

TEST_F(Keys, HAndCapitalHPrintTheHelpBlockAgainEachTime) {
    ASSERT_EQ(lines(startupText).size(), 11u);
    press("h");
    EXPECT_EQ(waitForOutput(2 * startupText.size()), startupText + startupText);
    press("H");
    EXPECT_EQ(waitForOutput(3 * startupText.size()), startupText + startupText + startupText);
}

class QuitKey : public RealQuelmire, public ::testing::WithParamInterface<const char*> {};

TEST_P(QuitKey, EndsTheProgramWithStatusZeroAndNoWindowLeft) {
    press(GetParam());
    EXPECT_EQ(program->waitExit(8.0), 0);
    EXPECT_TRUE(
        runCommand("xdotool search --name '^" + std::string(kWindowTitle) + "$'").output.empty());
    EXPECT_EQ(program->stderrText(), "");
}

INSTANTIATE_TEST_SUITE_P(Keys, QuitKey, ::testing::Values("q", "Q", "x", "X"));

}  // namespace
