// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Keys and the pop-up menus: every key in both cases, every menu entry against its key twin,
// the keys and values that do nothing, and resets during a drag.
#include <climits>
#include <cstdio>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include "common/common.h"
#include "input/input.h"
#include "tests/support/capture.h"
#include "tests/support/expected.h"
#include "tests/support/observed.h"
#include "tests/support/quelmire_gl.h"

using namespace quelmire;

namespace {

// Every test starts from the initial scene in the real GL window (the sun toggle arms a GLUT
// timer, so GLUT must be up).
class Input : public ::testing::Test {
  protected:
    void SetUp() override { setUpQuelmireGl(); }
};

// ---- Keys --------------------------------------------------------------------------------

struct KeyCase {
    unsigned char key;
    void (*effect)(Observed&);
};

std::ostream& operator<<(std::ostream& out, const KeyCase& c) {
    return out << "key '" << c.key << "'";
}

void zoomReset(Observed& s) {
    s.zoom = 450.0f;
}
void rotationReset(Observed& s) {
    s.rotationX = 5.0f;
    s.rotationY = 50.0f;
}
void moveReset(Observed& s) {
    s.moveX = 0.0f;
    s.moveY = 0.0f;
}
void filled(Observed& s) {
    s.renderPrimitive = GL_POLYGON;
    s.quadricStyle = GLU_FILL;
}
void lines(Observed& s) {
    s.renderPrimitive = GL_LINE_STRIP;
    s.quadricStyle = GLU_LINE;
}
void points(Observed& s) {
    s.renderPrimitive = GL_POINTS;
    s.quadricStyle = GLU_POINT;
}
void fogFlip(Observed& s) {
    s.fogOn = !s.fogOn;
}
void sunFlip(Observed& s) {
    s.sunLight = !s.sunLight;
}
void nothing(Observed&) {}

class Key : public ::testing::TestWithParam<KeyCase> {
  protected:
    void SetUp() override { setUpQuelmireGl(); }
};

TEST_P(Key, InEitherCaseDoesItsCommandAndNothingElse) {
    const KeyCase c = GetParam();
    for (bool sunAtStart : {true, false}) {
        setUpQuelmireGl();
        stirScene();
        scene.sunLight = sunAtStart;
        Observed expected = observe();
        c.effect(expected);
        const std::string printed = capturedStdout([&] { keyboard(c.key, 123, 456); });
        EXPECT_EQ(observe(), expected);
        const bool help = c.key == 'h' || c.key == 'H';
        EXPECT_EQ(printed, help ? expected::kQuelmireHelp : "");
        bool command = false;
        capturedStdout([&] { command = applyKey(c.key); });
        EXPECT_TRUE(command) << "a command key";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Key,
    ::testing::Values(KeyCase{'z', zoomReset}, KeyCase{'Z', zoomReset}, KeyCase{'r', rotationReset},
                      KeyCase{'R', rotationReset}, KeyCase{'m', moveReset}, KeyCase{'M', moveReset},
                      KeyCase{'n', filled}, KeyCase{'N', filled}, KeyCase{'l', lines},
                      KeyCase{'L', lines}, KeyCase{'p', points}, KeyCase{'P', points},
                      KeyCase{'f', fogFlip}, KeyCase{'F', fogFlip}, KeyCase{'s', sunFlip},
                      KeyCase{'S', sunFlip}, KeyCase{'h', nothing}, KeyCase{'H', nothing}));

TEST_F(Input, FogKeyTogglesBackAndForth) {
    keyboard('f', 0, 0);
    EXPECT_TRUE(scene.fogOn);
    keyboard('F', 0, 0);
    EXPECT_FALSE(scene.fogOn);
    keyboard('f', 0, 0);
    keyboard('f', 0, 0);
    EXPECT_FALSE(scene.fogOn);
}

TEST_F(Input, EveryOtherByteIsIgnoredSilently) {
    const std::string commands = "zZrRmMnNlLpPfFsShHqQxX";
    stirScene();
    const Observed stirred = observe();
    const std::string printed = capturedStdout([&] {
        for (int k = 0; k < 256; ++k) {
            const auto key = static_cast<unsigned char>(k);
            if (commands.find(static_cast<char>(key)) != std::string::npos) {
                continue;
            }
            keyboard(key, 0, 0);
            EXPECT_EQ(observe(), stirred) << "key " << k;
            EXPECT_FALSE(applyKey(key)) << "key " << k;
            EXPECT_FALSE(common::isQuitKey(key)) << "key " << k;
        }
    });
    EXPECT_EQ(printed, "");
}

TEST_F(Input, OnlyQXAndTheirCapitalsAreQuitKeys) {
    for (unsigned char key : std::string("qQxX")) {
        EXPECT_TRUE(common::isQuitKey(key)) << key;
        EXPECT_FALSE(applyKey(key)) << "applyKey leaves quitting to the callback: " << key;
    }
}

// ---- Menus -------------------------------------------------------------------------------

struct MenuCase {
    void (*menu)(int);
    const char* name;
    int value;
    unsigned char twin;
};

std::ostream& operator<<(std::ostream& out, const MenuCase& c) {
    return out << c.name << "(" << c.value << ")";
}

class MenuEntry : public ::testing::TestWithParam<MenuCase> {
  protected:
    void SetUp() override { setUpQuelmireGl(); }
};

TEST_P(MenuEntry, DoesExactlyWhatItsKeyTwinDoes) {
    const MenuCase c = GetParam();
    bool changedSomething = false;
    for (bool sunAtStart : {true, false}) {
        for (void (*mode)() : {setFilled, setLines, setPoints}) {
            auto start = [&] {
                setUpQuelmireGl();
                stirScene();
                scene.sunLight = sunAtStart;
                mode();
            };
            start();
            const std::string byKey = capturedStdout([&] { keyboard(c.twin, 0, 0); });
            const Observed afterKey = observe();

            start();
            const Observed before = observe();
            const std::string byMenu = capturedStdout([&] { c.menu(c.value); });
            EXPECT_EQ(observe(), afterKey);
            EXPECT_EQ(byMenu, byKey);
            changedSomething = changedSomething || !(observe() == before);
        }
    }
    EXPECT_TRUE(changedSomething);
}

INSTANTIATE_TEST_SUITE_P(Entries, MenuEntry,
                         ::testing::Values(MenuCase{mainMenu, "mainMenu", 1, 's'},
                                           MenuCase{mainMenu, "mainMenu", 2, 'f'},
                                           MenuCase{resetMenu, "resetMenu", 1, 'z'},
                                           MenuCase{resetMenu, "resetMenu", 2, 'r'},
                                           MenuCase{resetMenu, "resetMenu", 3, 'm'},
                                           MenuCase{renderModeMenu, "renderModeMenu", 1, 'n'},
                                           MenuCase{renderModeMenu, "renderModeMenu", 2, 'l'},
                                           MenuCase{renderModeMenu, "renderModeMenu", 3, 'p'}));

TEST_F(Input, HelpEntryPrintsTheHelpBlockAndChangesNothing) {
    stirScene();
    const Observed stirred = observe();
    EXPECT_EQ(capturedStdout([] { mainMenu(kMenuHelp); }), expected::kQuelmireHelp);
    EXPECT_EQ(observe(), stirred);
}

TEST_F(Input, ValuesOutsideEachMenuDoNothing) {
    stirScene();
    const Observed stirred = observe();
    std::string printed;
    for (int value : {0, -1, 5, 6, 100, INT_MIN, INT_MAX}) {
        printed += capturedStdout([&] { mainMenu(value); });
        EXPECT_EQ(observe(), stirred) << "mainMenu(" << value << ")";
    }
    for (int value : {0, -1, 4, 5, 100, INT_MIN, INT_MAX}) {
        printed += capturedStdout([&] {
            resetMenu(value);
            renderModeMenu(value);
        });
        EXPECT_EQ(observe(), stirred) << "submenu value " << value;
    }
    EXPECT_EQ(printed, "");
}

TEST_F(Input, RenderModeIsAlwaysOneOfTheThreePairsAndTheLastOneChosen) {
    // Each command with the pair it must leave; -1 marks a command that must change nothing.
    struct Command {
        void (*run)();
        int mode;
    };
    const Command commands[] = {
        {[] { keyboard('n', 0, 0); }, 0}, {[] { keyboard('N', 0, 0); }, 0},
        {[] { keyboard('l', 0, 0); }, 1}, {[] { keyboard('L', 0, 0); }, 1},
        {[] { keyboard('p', 0, 0); }, 2}, {[] { keyboard('P', 0, 0); }, 2},
        {[] { renderModeMenu(1); }, 0},   {[] { renderModeMenu(2); }, 1},
        {[] { renderModeMenu(3); }, 2},   {[] { renderModeMenu(0); }, -1},
        {[] { renderModeMenu(4); }, -1},  {[] { keyboard('f', 0, 0); }, -1},
        {[] { resetMenu(2); }, -1},       {[] { mainMenu(2); }, -1},
    };
    const int pairs[3][2] = {
        {GL_POLYGON, GLU_FILL}, {GL_LINE_STRIP, GLU_LINE}, {GL_POINTS, GLU_POINT}};
    std::mt19937 random(2006);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(commands)) - 1);
    int mode = 0;
    for (int i = 0; i < 500; ++i) {
        const int n = pick(random);
        commands[n].run();
        if (commands[n].mode >= 0) {
            mode = commands[n].mode;
        }
        ASSERT_EQ(scene.renderPrimitive, pairs[mode][0]) << "step " << i << " command " << n;
        ASSERT_EQ(scene.quadricStyle, pairs[mode][1]) << "step " << i << " command " << n;
    }
}

// ---- Resets leave a drag in progress alone -----------------------------------------------

using ResetDuringDrag = Input;

TEST_F(ResetDuringDrag, ATurnGoesOnFromTheResetAngles) {
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, 0);
    motion(100, 100);
    keyboard('r', 0, 0);
    EXPECT_TRUE(scene.camera.rotating);
    motion(110, 90);
    EXPECT_EQ(scene.camera.rotationY, 60.0f);
    EXPECT_EQ(scene.camera.rotationX, -5.0f);
    resetMenu(kMenuResetRotation);
    EXPECT_TRUE(scene.camera.rotating);
    motion(111, 91);
    EXPECT_EQ(scene.camera.rotationY, 51.0f);
    EXPECT_EQ(scene.camera.rotationX, 6.0f);
}

TEST_F(ResetDuringDrag, AZoomGoesOnAddingItsRateToTheResetValue) {
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, GLUT_ACTIVE_SHIFT);
    motion(0, 100);
    motion(0, 100);
    EXPECT_EQ(scene.camera.zoom, 454.0f);
    keyboard('Z', 0, 0);
    EXPECT_TRUE(scene.camera.zooming);
    EXPECT_EQ(scene.camera.lastMouseY, 0.0f);
    motion(0, 100);
    EXPECT_EQ(scene.camera.zoom, 452.0f);
    resetMenu(kMenuResetZoom);
    motion(0, -50);
    EXPECT_EQ(scene.camera.zoom, 449.0f);
}

TEST_F(ResetDuringDrag, APanGoesOnAddingItsRateToTheResetValue) {
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, GLUT_ACTIVE_CTRL);
    motion(100, 100);
    keyboard('m', 0, 0);
    EXPECT_TRUE(scene.camera.moving);
    motion(100, 100);
    EXPECT_EQ(scene.camera.moveX, 2.0f);
    EXPECT_EQ(scene.camera.moveY, -2.0f);
    resetMenu(kMenuResetMove);
    motion(-50, 50);
    EXPECT_EQ(scene.camera.moveX, -1.0f);
    EXPECT_EQ(scene.camera.moveY, -1.0f);
}

}  // namespace
