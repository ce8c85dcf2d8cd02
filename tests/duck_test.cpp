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

// Over many seeds, each renewal takes the third of three draws and leaves the fourth unused;
// all the steps that rule allows show up.
TEST_F(DuckWalk, AnAngleRenewalUsesTheThirdOfThreeDraws) {
    std::set<int> fallingSteps;
    std::set<int> risingSteps;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        auto draws = drawsAfterSeed(seed);
        const int down = -(1 + draws[2] % 3);
        EXPECT_EQ(stepDuckAngle(26), 26 + down) << "seed " << seed;
        EXPECT_EQ(scene.duckAngleStep, static_cast<float>(down));
        EXPECT_EQ(std::rand(), draws[3]) << "three draws, seed " << seed;
        fallingSteps.insert(down);

        draws = drawsAfterSeed(seed);
        const int up = 1 + draws[2] % 3;
        EXPECT_EQ(stepDuckAngle(-26), -26 + up) << "seed " << seed;
        EXPECT_EQ(scene.duckAngleStep, static_cast<float>(up));
        EXPECT_EQ(std::rand(), draws[3]) << "three draws, seed " << seed;
        risingSteps.insert(up);
    }
    EXPECT_EQ(fallingSteps, (std::set<int>{-3, -2, -1}));
    EXPECT_EQ(risingSteps, (std::set<int>{1, 2, 3}));
}

TEST_F(DuckWalk, AnOffsetRenewalUsesTheThirdOfThreeDraws) {
    std::set<int> fallingSteps;
    std::set<int> risingSteps;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        auto draws = drawsAfterSeed(seed);
        const int down = -2 - draws[2] % 2;
        EXPECT_EQ(stepDuckOffset(1), 1 + down) << "seed " << seed;
        EXPECT_EQ(scene.duckOffsetStep, static_cast<float>(down));
        EXPECT_EQ(std::rand(), draws[3]) << "three draws, seed " << seed;
        fallingSteps.insert(down);

        draws = drawsAfterSeed(seed);
        const int up = draws[2] % 2;
        EXPECT_EQ(stepDuckOffset(-3), -3 + up) << "seed " << seed;
        EXPECT_EQ(scene.duckOffsetStep, static_cast<float>(up));
        EXPECT_EQ(std::rand(), draws[3]) << "three draws, seed " << seed;
        risingSteps.insert(up);
    }
    EXPECT_EQ(fallingSteps, (std::set<int>{-3, -2}));
    EXPECT_EQ(risingSteps, (std::set<int>{0, 1}));
}

TEST_F(DuckWalk, AStepRenewedForOneDuckCarriesTheDucksAfterItInOrder) {
    const auto draws = drawsAfterSeed(23);
    scene.duckAngles[0] = 27.0f;   // renews: third draw
    scene.duckAngles[1] = -26.0f;  // renews again: sixth draw
    scene.duckAngles[2] = 10.0f;   // takes duck 1's step
    stepDuckAngles();
    const int down = -(1 + draws[2] % 3);
    const int up = 1 + draws[5] % 3;
    EXPECT_EQ(angles(),
              (std::array<float, 3>{static_cast<float>(27 + down), static_cast<float>(-26 + up),
                                    static_cast<float>(10 + up)}));
    EXPECT_EQ(std::rand(), draws[6]);

    // The step outlives the tick.
    scene.duckAngles[0] = 0.0f;
    stepDuckAngles();
    EXPECT_EQ(scene.duckAngles[0], static_cast<float>(up));
}

TEST_F(DuckWalk, AnOffsetStepRenewedForOneDuckCarriesTheDucksAfterItInOrder) {
    const auto draws = drawsAfterSeed(31);
    scene.duckOffsets[0] = -1.0f;  // keeps the step 1
    scene.duckOffsets[1] = 1.0f;   // renews: third draw
    scene.duckOffsets[2] = -1.0f;  // takes duck 1's step
    stepDuckOffsets();
    const int down = -2 - draws[2] % 2;
    EXPECT_EQ(offsets(), (std::array<float, 3>{0.0f, static_cast<float>(1 + down),
                                               static_cast<float>(-1 + down)}));
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

// Runs GLUT's timers until `changed` holds; the time it took, or -1 after two seconds.
template <typename Changed>
double millisecondsUntil(Changed changed) {
    const auto start = std::chrono::steady_clock::now();
    const auto end = start + std::chrono::seconds(2);
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

// These arm chains that run for the rest of the process, so they come last.
TEST(DuckTimers, TheAngleTimerStepsTheDucksAtOnceAndAgainNoSooner108MsLater) {
    ensureGlWindow(kWindowWidth, kWindowHeight);
    scene = SceneState{};
    duckAngleTimer(0);
    ASSERT_EQ(angles(), (std::array<float, 3>{-22.0f, 8.0f, 19.0f}));
    EXPECT_EQ(offsets(), (std::array<float, 3>{-1.0f, -0.0f, -2.0f})) << "angles only";
    const double waited = millisecondsUntil([] { return scene.duckAngles[0] != -22.0f; });
    EXPECT_GE(waited, kDuckAngleTickMs - 2.0) << "re-armed for 108 ms";
    EXPECT_EQ(angles(), (std::array<float, 3>{-20.0f, 10.0f, 21.0f}));
}

TEST(DuckTimers, TheOffsetTimerStepsTheDucksAtOnceAndAgainNoSooner103MsLater) {
    ensureGlWindow(kWindowWidth, kWindowHeight);
    scene = SceneState{};
    // The angle chain from the test before keeps running; park its ducks where it draws nothing.
    scene.duckAngleStep = 0.0f;
    duckOffsetTimer(0);
    ASSERT_EQ(offsets(), (std::array<float, 3>{0.0f, 1.0f, -1.0f}));
    const double waited = millisecondsUntil([] { return scene.duckOffsets[0] != 0.0f; });
    EXPECT_GE(waited, kDuckOffsetTickMs - 2.0) << "re-armed for 103 ms";
    // Duck 1 stood at 1, renewed the step to -2 or -3 and took duck 2 along.
    EXPECT_EQ(scene.duckOffsets[0], 1.0f);
    EXPECT_LE(scene.duckOffsets[1], -1.0f);
    EXPECT_EQ(scene.duckOffsets[2], -1.0f + scene.duckOffsetStep);
}

}  // namespace
