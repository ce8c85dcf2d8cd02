// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The real sunTimer on Mesa and on GLUT's timers: where light 0 stands between frames, how the
// light is switched, and how toggling starts and ends the tick chain.
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include "anim/anim.h"
#include "render/render.h"
#include "tests/support/quelmire_gl.h"
#include "tests/support/sun_cycle.h"

using namespace quelmire;

namespace {

// A tick is due within 20 ms; the deadline only ends a wait for one that never comes, so it
// allows for a machine many times busier than any we have seen.
constexpr auto kTickDeadline = std::chrono::seconds(30);

// ---- The real sunTimer on Mesa: light 0 between frames ----

// Lets GLUT run its timers until `done` holds; false if the deadline passes first.
template <typename Done>
bool runTimersUntil(Done done) {
    const auto end = std::chrono::steady_clock::now() + kTickDeadline;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        glutMainLoopEvent();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Lets the pending tick run. With the sun off it ends its chain; with the sun on it arms the
// next one, and the tick it ran is the first whose position differs.
void runPendingTick() {
    ASSERT_TRUE(runTimersUntil([] { return !sunTickPending(); })) << "the armed tick never ran";
}

// Ends every chain a test left armed: with the sun off, the armed tick runs once and arms none.
void stopSunChains() {
    scene.sunLight = false;
    runPendingTick();
}

std::array<float, 4> light0(GLenum what) {
    std::array<float, 4> value{};
    glGetLightfv(GL_LIGHT0, what, value.data());
    return value;
}

// A scene point through the modelview matrix that is current now, as GL stores light positions.
std::array<float, 4> throughCurrentModelview(const float* point) {
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    std::array<float, 4> eye{};
    for (int row = 0; row < 4; ++row) {
        double sum = 0.0;
        for (int col = 0; col < 4; ++col) {
            sum += static_cast<double>(m[col * 4 + row]) * point[col];
        }
        eye[row] = static_cast<float>(sum);
    }
    return eye;
}

void expectPositionNear(const std::array<float, 4>& actual, const std::array<float, 4>& expected) {
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(actual[i], expected[i], 0.05f) << "component " << i;
    }
}

class SunTick : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureGlWindow(kWindowWidth, kWindowHeight);
        stopSunChains();
        setUpQuelmireGl();
        // A camera that is neither the identity nor the start-up one.
        scene.camera.moveX = 30.0f;
        scene.camera.moveY = -12.0f;
        scene.camera.zoom = 250.0f;
        scene.camera.rotationX = 25.0f;
        scene.camera.rotationY = -110.0f;
    }
    void TearDown() override { stopSunChains(); }

    // Puts the sun on its way, as the cycle would have it at that height.
    void placeSun(float x, float y, float stepX, float stepY) {
        scene.sunPosition[0] = x;
        scene.sunPosition[1] = y;
        scene.sunStepX = stepX;
        scene.sunStepY = stepY;
    }
};

TEST_F(SunTick, PlacesLight0AtTheSunSeenThroughTheLastFramesCamera) {
    display();
    sunTimer(0);
    ASSERT_EQ(scene.sunPosition[0], 799.0f);
    ASSERT_EQ(scene.sunPosition[1], 1.0f);
    const auto seen = throughCurrentModelview(scene.sunPosition);
    ASSERT_GT(std::abs(seen[0] - 799.0f) + std::abs(seen[2]), 100.0f) << "camera is not trivial";
    expectPositionNear(light0(GL_POSITION), seen);
    const std::array<float, 4> colour{scene.lightColour[0], scene.lightColour[1],
                                      scene.lightColour[2], scene.lightColour[3]};
    EXPECT_EQ(light0(GL_AMBIENT), colour);
    EXPECT_EQ(light0(GL_DIFFUSE), colour);
    EXPECT_EQ(light0(GL_SPECULAR), colour);
    EXPECT_TRUE(sunTickPending()) << "each tick in sun mode arms the next";

    // The light follows a camera move on the first tick after the next frame.
    scene.camera.rotationY = 40.0f;
    scene.camera.zoom = 600.0f;
    display();
    sunTimer(0);
    expectPositionNear(light0(GL_POSITION), throughCurrentModelview(scene.sunPosition));
}

TEST_F(SunTick, EveryTickOfTheTimerMovesTheCycleExactlyAsThePlainSteps) {
    std::vector<std::vector<std::uint32_t>> plain;
    for (int t = 0; t < kCycleTicks; ++t) {
        tick();
        plain.push_back(cycleBits(true));
    }
    scene = SceneState{};
    scene.sunLight = false;  // so that no tick arms another
    for (int t = 0; t < kCycleTicks; ++t) {
        sunTimer(0);
        ASSERT_EQ(cycleBits(true), plain[t]) << "tick " << t + 1;
    }
}

TEST_F(SunTick, SwitchesLight0OffBelowMinus25AndOnAgainAtMinus25) {
    display();
    placeSun(-775.0f, -25.0f, 1.0f, -1.0f);  // going down
    sunTimer(0);
    ASSERT_EQ(scene.sunPosition[1], -26.0f);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    sunTimer(0);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));

    placeSun(774.0f, -26.0f, 1.0f, 1.0f);  // coming up
    sunTimer(0);
    ASSERT_EQ(scene.sunPosition[1], -25.0f);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
}

TEST_F(SunTick, WithTheSunOffThePendingTickAdvancesOnceThenInstallsTheWhiteLightOverhead) {
    display();
    placeSun(-400.0f, -400.0f, 1.0f, -1.0f);  // deep night
    sunTimer(0);
    ASSERT_FALSE(glIsEnabled(GL_LIGHT0));
    toggleSunLight();
    runPendingTick();
    EXPECT_EQ(scene.sunPosition[0], -398.0f) << "the pending tick still moves the sun";
    EXPECT_EQ(scene.sunPosition[1], -402.0f);
    EXPECT_FALSE(sunTickPending()) << "and the chain ends there, with no tick armed";
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0)) << "the fixed light shines at night too";
    const float overhead[4] = {0.0f, 800.0f, 0.0f, 1.0f};
    expectPositionNear(light0(GL_POSITION), throughCurrentModelview(overhead));
    const std::array<float, 4> white{1.0f, 1.0f, 1.0f, 1.0f};
    EXPECT_EQ(light0(GL_AMBIENT), white);
    EXPECT_EQ(light0(GL_DIFFUSE), white);
    EXPECT_EQ(light0(GL_SPECULAR), white);
}

TEST_F(SunTick, TheFixedLightShinesWhenThePendingTickRisesFromMinus26ToMinus25) {
    display();
    placeSun(773.0f, -27.0f, 1.0f, 1.0f);
    sunTimer(0);  // to -26: off
    ASSERT_FALSE(glIsEnabled(GL_LIGHT0));
    toggleSunLight();
    runPendingTick();  // to -25 with the sun off: the tick's own light switch is skipped
    ASSERT_EQ(scene.sunPosition[1], -25.0f);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
}

TEST_F(SunTick, TheFixedLightKeepsItsEyePositionWhileTheCameraMoves) {
    display();
    scene.sunLight = false;
    sunTimer(0);
    const auto placed = light0(GL_POSITION);
    scene.camera.rotationY = 170.0f;
    scene.camera.moveX = -50.0f;
    display();
    EXPECT_EQ(light0(GL_POSITION), placed) << "a frame never sets the light position";
}

// ---- Tick chains on real GLUT timers ----

class SunChain : public SunTick {};

TEST_F(SunChain, TogglingOffLetsThePendingTickRunOnceThenTheFixedLightTakesOver) {
    display();
    scheduleSunTick();  // as start-up does
    toggleSunLight();
    EXPECT_FALSE(scene.sunLight);
    EXPECT_TRUE(sunTickPending()) << "the armed tick is not cancelled";
    runPendingTick();
    EXPECT_EQ(scene.sunPosition[0], 799.0f) << "exactly one more tick";
    EXPECT_EQ(scene.sunPosition[1], 1.0f);
    EXPECT_FALSE(sunTickPending()) << "and none armed after it";
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    const float overhead[4] = {0.0f, 800.0f, 0.0f, 1.0f};
    expectPositionNear(light0(GL_POSITION), throughCurrentModelview(overhead));
}

TEST_F(SunChain, TogglingOnAgainResumesFromWhereTheLastTickLeftTheCycle) {
    scene.sunLight = false;
    for (int t = 0; t < 1234; ++t) {
        sunTimer(0);
    }
    ASSERT_FALSE(sunTickPending());
    // What the plain tick makes of the state the final tick left.
    const SceneState before = scene;
    tick();
    const SceneState expected = scene;
    scene = before;

    const auto toggled = std::chrono::steady_clock::now();
    toggleSunLight();
    EXPECT_TRUE(sunTickPending());
    glutMainLoopEvent();
    if (std::chrono::steady_clock::now() - toggled < std::chrono::milliseconds(15)) {
        EXPECT_EQ(scene.sunPosition[0], before.sunPosition[0]) << "the first tick waits 20 ms";
    }
    EXPECT_TRUE(runTimersUntil([&] { return scene.sunPosition[0] != before.sunPosition[0]; }));
    EXPECT_EQ(std::memcmp(scene.sunPosition, expected.sunPosition, sizeof expected.sunPosition), 0);
    EXPECT_EQ(std::memcmp(scene.lightColour, expected.lightColour, sizeof expected.lightColour), 0);
    EXPECT_EQ(std::memcmp(scene.skyColour, expected.skyColour, sizeof expected.skyColour), 0);
    EXPECT_TRUE(sunTickPending()) << "the chain runs on";
}

// GLUT runs every timer that is due when the loop turns, and a tick arms its successor 20 ms
// ahead: with one chain a turn of the loop runs at most one tick, however long it waited. A
// second chain, armed by the toggle in the same millisecond, would tick in the same turn.
TEST_F(SunChain, OffAndOnBeforeThePendingTickRunsLeavesOneChain) {
    scheduleSunTick();
    toggleSunLight();
    toggleSunLight();
    ASSERT_TRUE(scene.sunLight);
    for (int turn = 0; turn < 8; ++turn) {
        const float x = scene.sunPosition[0];
        const auto end = std::chrono::steady_clock::now() + kTickDeadline;
        while (scene.sunPosition[0] == x && std::chrono::steady_clock::now() < end) {
            // Both chains' ticks would be due by then.
            std::this_thread::sleep_for(std::chrono::milliseconds(kSunTickMs + 5));
            glutMainLoopEvent();
        }
        ASSERT_EQ(scene.sunPosition[0], x - 1.0f) << "one tick in turn " << turn;
    }
    EXPECT_TRUE(sunTickPending());
}

}  // namespace
