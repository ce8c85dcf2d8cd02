// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Quelmire's start-up as main runs it, in a window of its own: the state it leaves, and then its
// timer chains running under the real GLUT main loop. The window, its title and the help before
// the first frame are checked on the real program (quelmire_e2e_test).
#include <array>
#include <string>

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include "common/common.h"
#include "tests/support/capture.h"
#include "tests/support/paths.h"
#include "tests/support/program.h"
#include "tests/support/quelmire_gl.h"

using namespace quelmire;

// Every frame ends in one buffer swap; this test program is linked with the swap wrapped so that
// the frames can be counted.
namespace {
int swaps = 0;
}
extern "C" void __real_glutSwapBuffers();
extern "C" void __wrap_glutSwapBuffers() {
    ++swaps;
    __real_glutSwapBuffers();
}

namespace {

// Taken during static initialisation, before any test can change the scene.
const float sunStepYBeforeMain = scene.sunStepY;
const bool quadricBeforeMain = quadric != nullptr;

TEST(StateBeforeMain, SunStepYIsTheNegatedXStepAndTheQuadricExists) {
    EXPECT_EQ(sunStepYBeforeMain, 1.0f);
    EXPECT_TRUE(quadricBeforeMain);
}

class Reshape : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(Reshape, ViewportFollowsTheWindowWhileTheAspectStaysOne) {
    setUpQuelmireGl();
    const auto [width, height] = GetParam();
    expectReshapeSets(reshape, width, height, perspectiveMatrix(30.0, 1.0, 1.0, 2000.0));
}

INSTANTIATE_TEST_SUITE_P(SquareAndNonSquare, Reshape,
                         ::testing::Values(std::make_pair(700, 700), std::make_pair(800, 400),
                                           std::make_pair(1, 1)));

// The steps of main after the window exists, once, on a GL context that nothing else touched.
class StartUp : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ensureGlWindow(kWindowWidth, kWindowHeight);  // initialises GLUT
        glutInitWindowSize(kWindowWidth, kWindowHeight);
        glutCreateWindow("start-up");
        scene = SceneState{};
        registerCallbacks();
        startTimers();
        buildMenus();
        images_ = new SceneImages(createTexturesIn(dataDir()));
        common::setFixedGlState();
        setFogParameters();
        setUpLight();
        help_ = new std::string(capturedStdout(printHelp));
    }
    static void TearDownTestSuite() {
        delete images_;
        delete help_;
    }
    static SceneImages* images_;
    static std::string* help_;
};
SceneImages* StartUp::images_ = nullptr;
std::string* StartUp::help_ = nullptr;

TEST_F(StartUp, SetsDepthTestLightingAndSmoothShadingAndLeavesFogAndTexturingOff) {
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    GLint shading = 0;
    glGetIntegerv(GL_SHADE_MODEL, &shading);
    EXPECT_EQ(shading, GL_SMOOTH);
    EXPECT_FALSE(glIsEnabled(GL_FOG)) << "each frame switches the fog; start-up only sets it up";
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << "the drawing enables texturing where it needs it";
}

TEST_F(StartUp, SetsTheExponentialFogOfDensity0002InLightGrey) {
    GLfloat value = 0.0f;
    glGetFloatv(GL_FOG_START, &value);
    EXPECT_EQ(value, 0.0f);
    glGetFloatv(GL_FOG_END, &value);
    EXPECT_EQ(value, 850.0f);
    glGetFloatv(GL_FOG_DENSITY, &value);
    EXPECT_FLOAT_EQ(value, 0.002f);
    GLint mode = 0;
    glGetIntegerv(GL_FOG_MODE, &mode);
    EXPECT_EQ(mode, GL_EXP);
    GLfloat colour[4];
    glGetFloatv(GL_FOG_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[0], 0.7f);
    EXPECT_FLOAT_EQ(colour[1], 0.7f);
    EXPECT_FLOAT_EQ(colour[2], 0.7f);
    EXPECT_FLOAT_EQ(colour[3], 0.0f);
}

TEST_F(StartUp, LightsLight0InTheSunsColourAt800And0InEyeSpace) {
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    GLfloat value[4];
    for (GLenum what : {GL_AMBIENT, GL_DIFFUSE, GL_SPECULAR}) {
        glGetLightfv(GL_LIGHT0, what, value);
        EXPECT_FLOAT_EQ(value[0], 1.0f);
        EXPECT_FLOAT_EQ(value[1], 0.7f);
        EXPECT_FLOAT_EQ(value[2], 0.7f);
        EXPECT_FLOAT_EQ(value[3], 1.0f);
    }
    glGetLightfv(GL_LIGHT0, GL_POSITION, value);
    EXPECT_FLOAT_EQ(value[0], 800.0f);
    EXPECT_FLOAT_EQ(value[1], 0.0f);
    EXPECT_FLOAT_EQ(value[2], 0.0f);
    EXPECT_FLOAT_EQ(value[3], 1.0f);
}

// The main loop's own timers, left to run: the sun and its sky move, both duck walks step, and
// the redisplay chain keeps drawing. A chain that start-up did not arm, or that did not re-arm
// itself, leaves its part standing.
TEST_F(StartUp, ThenTheMainLoopMovesTheSunTheSkyAndBothDuckWalksAndKeepsDrawing) {
    const int swapsBefore = swaps;
    int angleChanges = 0, offsetChanges = 0;
    // The angle of a duck moves on every tick; an offset step of 0 may hold all three ducks
    // still for a tick, but never for two.
    float angle = scene.duckAngles[0];
    std::array<float, 3> offsets{scene.duckOffsets[0], scene.duckOffsets[1], scene.duckOffsets[2]};
    auto running = [&] {
        glutMainLoopEvent();
        angleChanges += scene.duckAngles[0] != angle;
        angle = scene.duckAngles[0];
        const std::array<float, 3> now{scene.duckOffsets[0], scene.duckOffsets[1],
                                       scene.duckOffsets[2]};
        offsetChanges += now != offsets;
        offsets = now;
        return swaps - swapsBefore >= 20 && scene.sunPosition[0] <= 790.0f && angleChanges >= 3 &&
               offsetChanges >= 2;
    };
    // Half a second of ticks, on a busy machine perhaps much more.
    EXPECT_TRUE(waitUntil(running, 60.0));
    EXPECT_GE(swaps - swapsBefore, 20) << "frames drawn";
    EXPECT_LE(scene.sunPosition[0], 790.0f) << "sun ticks";
    EXPECT_GT(scene.skyColour[2], 0.0f) << "the sky brightens as the sun rises";
    EXPECT_GE(angleChanges, 3) << "duck angle ticks";
    EXPECT_GE(offsetChanges, 2) << "duck offset ticks";
}

}  // namespace
