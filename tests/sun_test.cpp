// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The sun and sky cycle as plain arithmetic: the path, the light colour, the light switch and
// the sky over a whole cycle, and that every cycle repeats the first exactly.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "anim/anim.h"
#include "tests/support/quelmire_gl.h"
#include "tests/support/sun_cycle.h"

using namespace quelmire;

namespace {

constexpr float kColourTolerance = 1e-5f;

// One tick's outcome, kept for the table checks.
struct TickRecord {
    float x, y;
    float lightGreen, lightBlue;
    std::array<float, 3> sky;
    float skyStepR, skyStepG;
    bool lit;
};

// Runs one cycle from the initial state; entry t holds the state after tick t (entry 0 is the
// start).
std::vector<TickRecord> recordFirstCycle() {
    scene = SceneState{};
    std::vector<TickRecord> records;
    auto keep = [&](bool lit) {
        records.push_back({scene.sunPosition[0],
                           scene.sunPosition[1],
                           scene.lightColour[1],
                           scene.lightColour[2],
                           {scene.skyColour[0], scene.skyColour[1], scene.skyColour[2]},
                           scene.skyStepR,
                           scene.skyStepG,
                           lit});
    };
    keep(true);
    for (int t = 1; t <= kCycleTicks; ++t) {
        keep(tick());
    }
    return records;
}

TEST(SunCycleRepeatsExactly, StateIsBitForBitTheStartAfter3200TicksWithTheXStepAboutToTurn) {
    scene = SceneState{};
    const auto start = cycleBits(false);
    for (int t = 0; t < kCycleTicks; ++t) {
        tick();
    }
    EXPECT_EQ(cycleBits(false), start);
    EXPECT_EQ(scene.sunStepX, 1.0f);
    tick();
    EXPECT_EQ(scene.sunStepX, -1.0f) << "turns on the first tick of the next cycle";
}

TEST(SunCycleRepeatsExactly, EveryTickOfTenLaterCyclesEqualsTheSameTickOfTheFirst) {
    scene = SceneState{};
    std::vector<std::vector<std::uint32_t>> first;
    for (int t = 0; t < kCycleTicks; ++t) {
        tick();
        first.push_back(cycleBits(true));
    }
    for (int cycle = 1; cycle <= 10; ++cycle) {
        for (int t = 0; t < kCycleTicks; ++t) {
            tick();
            ASSERT_EQ(cycleBits(true), first[t]) << "cycle " << cycle << ", tick " << t + 1;
        }
    }
}

TEST(SunPath, FollowsTheDiamondThroughZenithSunsetAndNadirWithoutPassing800) {
    const auto cycle = recordFirstCycle();
    for (int t = 0; t <= kCycleTicks; ++t) {
        const float x = cycle[t].x;
        const float y = cycle[t].y;
        ASSERT_LE(std::abs(x), 800.0f) << "tick " << t;
        ASSERT_LE(std::abs(y), 800.0f) << "tick " << t;
        ASSERT_EQ(std::abs(x) + std::abs(y), 800.0f) << "tick " << t;
    }
    EXPECT_EQ(cycle[800].x, 0.0f);
    EXPECT_EQ(cycle[800].y, 800.0f);
    EXPECT_EQ(cycle[801].y, 799.0f) << "turns down on the tick after the zenith";
    EXPECT_EQ(cycle[1600].x, -800.0f);
    EXPECT_EQ(cycle[1600].y, 0.0f);
    EXPECT_EQ(cycle[1601].x, -799.0f) << "turns right on the tick after sunset";
    EXPECT_EQ(cycle[2400].x, 0.0f);
    EXPECT_EQ(cycle[2400].y, -800.0f);
    EXPECT_EQ(cycle[3200].x, 800.0f);
    EXPECT_EQ(cycle[3200].y, 0.0f);

    int above = 0;
    int below = 0;
    int onHorizon = 0;
    for (int t = 1; t <= kCycleTicks; ++t) {
        above += cycle[t].y > 0.0f;
        below += cycle[t].y < 0.0f;
        onHorizon += cycle[t].y == 0.0f;
    }
    EXPECT_EQ(above, 1599);
    EXPECT_EQ(below, 1599);
    EXPECT_EQ(onHorizon, 2);
}

TEST(SunPath, LeavesZAndWAloneSoTheLightStaysPositional) {
    scene = SceneState{};
    for (int t = 0; t < kCycleTicks; ++t) {
        tick();
        ASSERT_EQ(scene.sunPosition[2], 0.0f);
        ASSERT_EQ(scene.sunPosition[3], 1.0f);
    }
}

TEST(SunLightColour, WarmsAtSunriseHoldsByDayCoolsAtSunsetAndHoldsAtNight) {
    const auto cycle = recordFirstCycle();
    for (int t = 1; t <= kCycleTicks; ++t) {
        ASSERT_EQ(cycle[t].lightGreen, cycle[t].lightBlue) << "G and B move together, tick " << t;
    }
    for (int t = 1; t <= 49; ++t) {
        EXPECT_NEAR(cycle[t].lightGreen, 0.7f + 0.006f * t, kColourTolerance) << "tick " << t;
    }
    EXPECT_NEAR(cycle[49].lightGreen, 0.994f, kColourTolerance);
    for (int t = 50; t <= 1550; ++t) {
        ASSERT_EQ(cycle[t].lightGreen, cycle[49].lightGreen) << "day holds, tick " << t;
    }
    for (int t = 1551; t <= 1599; ++t) {
        EXPECT_NEAR(cycle[t].lightGreen, cycle[t - 1].lightGreen - 0.006f, kColourTolerance)
            << "tick " << t;
    }
    EXPECT_NEAR(cycle[1599].lightGreen, 0.700f, kColourTolerance);
    // The light band includes y = 0, so the horizon ticks still move the colour.
    EXPECT_NEAR(cycle[1600].lightGreen, 0.694f, kColourTolerance);
    for (int t = 1601; t <= 3199; ++t) {
        ASSERT_EQ(cycle[t].lightGreen, cycle[1600].lightGreen) << "night holds, tick " << t;
    }
    EXPECT_NEAR(cycle[3200].lightGreen, 0.700f, kColourTolerance);
}

TEST(SunLightColour, RedAndAlphaNeverChange) {
    scene = SceneState{};
    for (int t = 0; t < kCycleTicks; ++t) {
        tick();
        ASSERT_EQ(scene.lightColour[0], 1.0f);
        ASSERT_EQ(scene.lightColour[3], 1.0f);
    }
}

TEST(SunLightSwitch, LightIsOffExactlyFromMinus26DownToMinus26Up1549TicksPerCycle) {
    const auto cycle = recordFirstCycle();
    int dark = 0;
    for (int t = 1; t <= kCycleTicks; ++t) {
        const bool expectedLit = t < 1626 || t > 3174;
        ASSERT_EQ(cycle[t].lit, expectedLit) << "tick " << t << " at y " << cycle[t].y;
        dark += !cycle[t].lit;
    }
    EXPECT_EQ(dark, 1549);
    EXPECT_EQ(cycle[1625].y, -25.0f);
    EXPECT_EQ(cycle[1626].y, -26.0f);
    EXPECT_EQ(cycle[3175].y, -25.0f);
}

TEST(SkyColour, GlowsAtDawnTurnsBlueByNoonFadesAtDuskAndIsBlackAtNight) {
    const auto cycle = recordFirstCycle();
    for (int t = 1; t <= 49; ++t) {
        EXPECT_NEAR(cycle[t].sky[0], 0.003f * t, kColourTolerance) << "tick " << t;
        EXPECT_NEAR(cycle[t].sky[1], 0.0015f * t, kColourTolerance) << "tick " << t;
        EXPECT_NEAR(cycle[t].sky[2], 0.00125f * t, kColourTolerance) << "tick " << t;
    }
    EXPECT_NEAR(cycle[49].sky[0], 0.147f, kColourTolerance);
    EXPECT_NEAR(cycle[49].sky[1], 0.0735f, kColourTolerance);
    EXPECT_NEAR(cycle[49].sky[2], 0.06125f, kColourTolerance);

    for (int t = 50; t <= 1550; ++t) {
        ASSERT_EQ(cycle[t].sky[0], cycle[49].sky[0]) << "red holds by day, tick " << t;
        ASSERT_EQ(cycle[t].sky[1], cycle[49].sky[1]) << "green holds by day, tick " << t;
    }
    for (int t = 50; t <= 800; ++t) {
        ASSERT_GT(cycle[t].sky[2], cycle[t - 1].sky[2]) << "blue rises to noon, tick " << t;
    }
    // Summed in single precision the blue ends just above 1, which turns it on tick 801.
    EXPECT_GE(cycle[800].sky[2], 1.0f);
    EXPECT_NEAR(cycle[800].sky[2], 1.0f, 1e-3f);
    for (int t = 801; t <= 1599; ++t) {
        ASSERT_LT(cycle[t].sky[2], cycle[t - 1].sky[2]) << "blue falls after noon, tick " << t;
    }
    EXPECT_NEAR(cycle[1550].sky[2], 0.0625f, 1e-4f);

    for (int t = 1551; t <= 1599; ++t) {
        EXPECT_LT(cycle[t].sky[0], cycle[t - 1].sky[0]) << "tick " << t;
        EXPECT_LT(cycle[t].sky[1], cycle[t - 1].sky[1]) << "tick " << t;
    }
    EXPECT_NEAR(cycle[1599].sky[0], 0.0f, kColourTolerance);
    EXPECT_NEAR(cycle[1599].sky[1], 0.0f, kColourTolerance);
    EXPECT_NEAR(cycle[1599].sky[2], 0.00125f, 1e-4f);
    EXPECT_LT(cycle[1600].skyStepR, 0.0f) << "red step is negative at sunset";
    EXPECT_LT(cycle[1600].skyStepG, 0.0f) << "green step is negative at sunset";

    for (int t = 1601; t <= 3200; ++t) {
        ASSERT_EQ(cycle[t].sky, (std::array<float, 3>{0.0f, 0.0f, 0.0f})) << "tick " << t;
    }
}

TEST(SkyColour, TheTicksThatReachTheHorizonLeaveTheSkyAsItWas) {
    const auto cycle = recordFirstCycle();
    EXPECT_EQ(cycle[1600].sky, cycle[1599].sky);
    EXPECT_NE(cycle[1600].lightGreen, cycle[1599].lightGreen);

    // The same at sunrise height from a sky that is not black, to see that nothing is added.
    scene = SceneState{};
    scene.sunPosition[0] = 799.0f;
    scene.sunPosition[1] = -1.0f;
    scene.sunStepX = 1.0f;
    scene.skyColour[0] = 0.25f;
    scene.skyColour[1] = 0.5f;
    scene.skyColour[2] = 0.75f;
    tick();
    ASSERT_EQ(scene.sunPosition[1], 0.0f);
    EXPECT_EQ(scene.skyColour[0], 0.25f);
    EXPECT_EQ(scene.skyColour[1], 0.5f);
    EXPECT_EQ(scene.skyColour[2], 0.75f);
}

}  // namespace
