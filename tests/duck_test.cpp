// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <set>
#include <thread>

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include "anim/anim.h"
#include "tests/support/quelmire_gl.h"

using namespace quelmire;

namespace {

// The numbers a freshly seeded generator hands out.
std::array<int, 12> drawsAfterSeed(unsigned seed) {
    std::srand(seed);
    std::array<int, 12> draws{};
    for (int& r : draws) {
        r = std::rand();
    }
    std::srand(seed);
    return draws;
}

std::array<float, 3> angles() {
    return {scene.duckAngles[0], scene.duckAngles[1], scene.duckAngles[2]};
}

std::array<float, 3> offsets() {
    return {scene.duckOffsets[0], scene.duckOffsets[1], scene.duckOffsets[2]};
}

class DuckWalk : public ::testing::Test {
  protected:
    void SetUp() override { scene = SceneState{}; }
};

TEST_F(DuckWalk, FirstAngleTickUsesTheInitialStepTwoAndDrawsNothing) {
    const auto draws = drawsAfterSeed(11);
    stepDuckAngles();
    EXPECT_EQ(angles(), (std::array<float, 3>{-22.0f, 8.0f, 19.0f}));
    EXPECT_EQ(scene.duckAngleStep, 2.0f);
    EXPECT_EQ(std::rand(), draws[0]) << "no number was drawn";
}

TEST_F(DuckWalk, FirstOffsetTickUsesTheInitialStepOneAndDrawsNothing) {
    const auto draws = drawsAfterSeed(11);
    stepDuckOffsets();
    EXPECT_EQ(offsets(), (std::array<float, 3>{0.0f, 1.0f, -1.0f}));
    EXPECT_EQ(scene.duckOffsetStep, 1.0f);
    EXPECT_EQ(std::rand(), draws[0]) << "no number was drawn";
}

TEST_F(DuckWalk, AnglesAtTheBandEdgesKeepTheStepWithoutDrawing) {
    const auto draws = drawsAfterSeed(5);
    scene.duckAngleStep = 3.0f;
    EXPECT_EQ(stepDuckAngle(25), 28);
    scene.duckAngleStep = -3.0f;
    EXPECT_EQ(stepDuckAngle(-25), -28);
    EXPECT_EQ(std::rand(), draws[0]);
}

TEST_F(DuckWalk, OffsetsAtTheBandEdgesKeepTheStepWithoutDrawing) {
    const auto draws = drawsAfterSeed(5);
    scene.duckOffsetStep = -3.0f;
    EXPECT_EQ(stepDuckOffset(-2), -5);
    scene.duckOffsetStep = 1.0f;
    EXPECT_EQ(stepDuckOffset(0), 1);
    EXPECT_EQ(std::rand(), draws[0]);
}

// Worked examples on this system's generator (glibc). In each, the first and the second number
// drawn would give another step than the third, and the fourth is left for later.
struct Renewal {
    const char* name;
    unsigned seed;
    int (*step)(int);
    int from, to;
    float stepAfter;
};

class StepRenewal : public DuckWalk, public ::testing::WithParamInterface<Renewal> {};

TEST_P(StepRenewal, TakesTheThirdOfThreeDraws) {
    const Renewal& r = GetParam();
    const auto draws = drawsAfterSeed(r.seed);
    EXPECT_EQ(r.step(r.from), r.to);
    EXPECT_EQ(r.step == stepDuckAngle ? scene.duckAngleStep : scene.duckOffsetStep, r.stepAfter);
    EXPECT_EQ(std::rand(), draws[3]) << "three draws";
}

// Seeds 1, 19 and 2 draw 1681692777, 490837048 and 190686788 third (remainders 0, 1, 2 of 3);
// seeds 4 and 18 draw 410622274 and 1983979855 third (remainders 0 and 1 of 2).
INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, StepRenewal,
    ::testing::Values(Renewal{"AngleAbove25FallsBy1", 1, stepDuckAngle, 26, 25, -1.0f},
                      Renewal{"AngleAbove25FallsBy2", 19, stepDuckAngle, 26, 24, -2.0f},
                      Renewal{"AngleAbove25FallsBy3", 2, stepDuckAngle, 26, 23, -3.0f},
                      Renewal{"AngleBelowMinus25RisesBy1", 1, stepDuckAngle, -26, -25, 1.0f},
                      Renewal{"AngleBelowMinus25RisesBy2", 19, stepDuckAngle, -26, -24, 2.0f},
                      Renewal{"AngleBelowMinus25RisesBy3", 2, stepDuckAngle, -26, -23, 3.0f},
                      Renewal{"OffsetAbove0FallsBy2", 4, stepDuckOffset, 1, -1, -2.0f},
                      Renewal{"OffsetAbove0FallsBy3", 18, stepDuckOffset, 1, -2, -3.0f},
                      Renewal{"OffsetBelowMinus2StandsStill", 4, stepDuckOffset, -3, -3, 0.0f},
                      Renewal{"OffsetBelowMinus2RisesBy1", 18, stepDuckOffset, -3, -2, 1.0f}),
    [](const ::testing::TestParamInfo<Renewal>& info) { return std::string(info.param.name); });

TEST_F(DuckWalk, AStepRenewedForOneDuckCarriesTheDucksAfterItInOrder) {
    // Seed 1: duck 0 renews with the third number (step -1), duck 1 with the sixth, 424238335
    // (step +2), and duck 2 takes duck 1's step.
    const auto draws = drawsAfterSeed(1);
    scene.duckAngles[0] = 27.0f;
    scene.duckAngles[1] = -26.0f;
    scene.duckAngles[2] = 10.0f;
    stepDuckAngles();
    EXPECT_EQ(angles(), (std::array<float, 3>{26.0f, -24.0f, 12.0f}));
    EXPECT_EQ(std::rand(), draws[6]);

    // The step outlives the tick.
    scene.duckAngles[0] = 0.0f;
    stepDuckAngles();
    EXPECT_EQ(scene.duckAngles[0], 2.0f);
}

TEST_F(DuckWalk, AnOffsetStepRenewedForOneDuckCarriesTheDucksAfterItInOrder) {
    // Seed 4: duck 0 keeps the step 1; duck 1 renews it to -2; duck 2 takes that.
    const auto draws = drawsAfterSeed(4);
    scene.duckOffsets[0] = -1.0f;
    scene.duckOffsets[1] = 1.0f;
    scene.duckOffsets[2] = -1.0f;
    stepDuckOffsets();
    EXPECT_EQ(offsets(), (std::array<float, 3>{0.0f, -1.0f, -3.0f}));
    EXPECT_EQ(std::rand(), draws[3]);
}

TEST_F(DuckWalk, StoredValuesAreTruncatedTowardZeroBeforeTheStep) {
    const auto draws = drawsAfterSeed(3);
    scene.duckAngles[0] = -3.7f;  // -3, not -4
    scene.duckAngles[1] = 3.7f;   // 3, not 4
    scene.duckAngles[2] = 25.9f;  // 25: inside the band, so no renewal
    stepDuckAngles();
    EXPECT_EQ(angles(), (std::array<float, 3>{-1.0f, 5.0f, 27.0f}));
    EXPECT_EQ(std::rand(), draws[0]);

    scene.duckOffsets[0] = -2.9f;  // -2: inside the band
    scene.duckOffsets[1] = 0.9f;   // 0: inside the band
    scene.duckOffsets[2] = -0.5f;  // 0
    stepDuckOffsets();
    EXPECT_EQ(offsets(), (std::array<float, 3>{-1.0f, 1.0f, 1.0f}));
}

// Both walks interleaved as their timers would be, from the start-up state and the unseeded
// generator, for about four hours of ticks.
TEST_F(DuckWalk, OverAHundredThousandTicksAnglesStayInRangeAndOffsetsInTheirs) {
    std::srand(1);  // the sequence of a generator that was never seeded
    float angleMin = 0.0f;
    float angleMax = 0.0f;
    float offsetMin = 0.0f;
    float offsetMax = -5.0f;
    const std::set<float> angleSteps{-3.0f, -2.0f, -1.0f, 1.0f, 2.0f, 3.0f};
    const std::set<float> offsetSteps{-3.0f, -2.0f, 0.0f, 1.0f};
    long nextAngleMs = kDuckAngleTickMs;
    long nextOffsetMs = kDuckOffsetTickMs;
    for (int ticks = 0; ticks < 100000; ++ticks) {
        if (nextOffsetMs <= nextAngleMs) {
            stepDuckOffsets();
            nextOffsetMs += kDuckOffsetTickMs;
        } else {
            stepDuckAngles();
            nextAngleMs += kDuckAngleTickMs;
        }
        for (int i = 0; i < 3; ++i) {
            const float a = scene.duckAngles[i];
            const float o = scene.duckOffsets[i];
            ASSERT_GE(a, -28.0f) << "tick " << ticks << ", duck " << i;
            ASSERT_LE(a, 28.0f) << "tick " << ticks << ", duck " << i;
            ASSERT_GE(o, -5.0f) << "tick " << ticks << ", duck " << i;
            ASSERT_LE(o, 1.0f) << "tick " << ticks << ", duck " << i;
            ASSERT_EQ(a, std::trunc(a));
            ASSERT_EQ(o, std::trunc(o));
            angleMin = std::min(angleMin, a);
            angleMax = std::max(angleMax, a);
            offsetMin = std::min(offsetMin, o);
            offsetMax = std::max(offsetMax, o);
        }
        if (scene.duckAngleStep != 2.0f) {
            ASSERT_EQ(angleSteps.count(scene.duckAngleStep), 1u) << scene.duckAngleStep;
        }
        if (scene.duckOffsetStep != 1.0f) {
            ASSERT_EQ(offsetSteps.count(scene.duckOffsetStep), 1u) << scene.duckOffsetStep;
        }
    }
    // The walk really reaches its limits, so the bounds above were tested, not just obeyed.
    EXPECT_EQ(angleMin, -28.0f);
    EXPECT_EQ(angleMax, 28.0f);
    EXPECT_EQ(offsetMin, -5.0f);
    EXPECT_EQ(offsetMax, 1.0f);
}

// ---- The timer callbacks on real GLUT timers ----

// Runs GLUT's timers until `changed` holds; milliseconds since `start`, or -1 after 30 s (the
// ticks are due within 108 ms; the deadline only ends a wait for one that never comes).
template <typename Changed>
double millisecondsUntil(std::chrono::steady_clock::time_point start, Changed changed) {
    const auto end = start + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < end) {
        glutMainLoopEvent();
        if (changed()) {
            return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() -
                                                             start)
                .count();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return -1.0;
}

// GLUT counts whole milliseconds: a timer armed 108 ms ahead fires at least 107 ms after a clock
// read just before it was armed.
constexpr double kClockGrain = 1.0;

// These arm chains that run for the rest of the process, so they come last.
TEST(DuckTimers, TheAngleTimerStepsTheDucksAtOnceAndAgainNoSooner108MsLater) {
    ensureGlWindow(kWindowWidth, kWindowHeight);
    scene = SceneState{};
    const auto armed = std::chrono::steady_clock::now();
    duckAngleTimer(0);
    ASSERT_EQ(angles(), (std::array<float, 3>{-22.0f, 8.0f, 19.0f}));
    EXPECT_EQ(offsets(), (std::array<float, 3>{-1.0f, -0.0f, -2.0f})) << "angles only";
    const double waited = millisecondsUntil(armed, [] { return scene.duckAngles[0] != -22.0f; });
    EXPECT_GE(waited, 108.0 - kClockGrain) << "re-armed for 108 ms";
    EXPECT_EQ(angles(), (std::array<float, 3>{-20.0f, 10.0f, 21.0f}));
}

TEST(DuckTimers, TheOffsetTimerStepsTheDucksAtOnceAndAgainNoSooner103MsLater) {
    ensureGlWindow(kWindowWidth, kWindowHeight);
    scene = SceneState{};
    // The angle chain from the test before keeps running; park its ducks where it draws nothing.
    scene.duckAngleStep = 0.0f;
    const auto armed = std::chrono::steady_clock::now();
    duckOffsetTimer(0);
    ASSERT_EQ(offsets(), (std::array<float, 3>{0.0f, 1.0f, -1.0f}));
    const double waited = millisecondsUntil(armed, [] { return scene.duckOffsets[0] != 0.0f; });
    EXPECT_GE(waited, 103.0 - kClockGrain) << "re-armed for 103 ms";
    // Duck 1 stood at 1, renewed the step to -2 or -3 and took duck 2 along.
    EXPECT_EQ(scene.duckOffsets[0], 1.0f);
    EXPECT_LE(scene.duckOffsets[1], -1.0f);
    EXPECT_EQ(scene.duckOffsets[2], -1.0f + scene.duckOffsetStep);
}

}  // namespace
