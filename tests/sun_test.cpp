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

namespace {

constexpr int kCycleTicks = 3200;
constexpr float kColourTolerance = 1e-5f;

// The state half of one tick, as sunTimer runs it, without GL. True if light 0 shines.
bool tick() {
    const bool lit = moveSun();
    moveSky();
    return lit;
}

// Everything the cycle carries from tick to tick, as raw bits so that -0 and 0 differ.
std::vector<std::uint32_t> cycleBits(bool withStepX) {
    std::vector<float> values;
    values.insert(values.end(), scene.sunPosition, scene.sunPosition + 4);
    values.insert(values.end(), scene.lightColour, scene.lightColour + 4);
    values.insert(values.end(), scene.skyColour, scene.skyColour + 4);
    values.push_back(scene.sunStepY);
    values.push_back(scene.skyStepR);
    values.push_back(scene.skyStepG);
    values.push_back(scene.skyStepB);
    if (withStepX) {
        values.push_back(scene.sunStepX);
    }
    std::vector<std::uint32_t> bits(values.size());
    std::memcpy(bits.data(), values.data(), values.size() * sizeof(float));
    return bits;
}

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

// ---- The real sunTimer on Mesa: light 0 between frames ----

// Lets GLUT run its timers for the given time.
void runTimersFor(std::chrono::milliseconds span) {
    const auto end = std::chrono::steady_clock::now() + span;
    while (std::chrono::steady_clock::now() < end) {
        glutMainLoopEvent();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// Ends every chain a test left armed: with the sun off, each armed tick runs once and stops.
// Any tick armed before this call is due within 20 ms.
void stopSunChains() {
    scene.sunLight = false;
    runTimersFor(std::chrono::milliseconds(kSunTickMs + 15));
    ASSERT_FALSE(sunTickPending()) << "an armed sun tick never ran";
}

// Lets the pending tick run, within two seconds.
void runPendingTick() {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (sunTickPending() && std::chrono::steady_clock::now() < end) {
        glutMainLoopEvent();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_FALSE(sunTickPending()) << "the armed sun tick never ran";
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
        scene.moveX = 30.0f;
        scene.moveY = -12.0f;
        scene.zoom = 250.0f;
        scene.rotationX = 25.0f;
        scene.rotationY = -110.0f;
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
    scene.rotationY = 40.0f;
    scene.zoom = 600.0f;
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
    runTimersFor(std::chrono::milliseconds(kSunTickMs + 15));
    EXPECT_EQ(scene.sunPosition[0], -398.0f) << "and the chain ends there";
    EXPECT_FALSE(sunTickPending());
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
    scene.rotationY = 170.0f;
    scene.moveX = -50.0f;
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
    runTimersFor(std::chrono::milliseconds(150));
    EXPECT_EQ(scene.sunPosition[0], 799.0f) << "exactly one more tick";
    EXPECT_EQ(scene.sunPosition[1], 1.0f);
    EXPECT_FALSE(sunTickPending());
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
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (scene.sunPosition[0] == before.sunPosition[0] &&
           std::chrono::steady_clock::now() < end) {
        glutMainLoopEvent();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(std::memcmp(scene.sunPosition, expected.sunPosition, sizeof expected.sunPosition), 0);
    EXPECT_EQ(std::memcmp(scene.lightColour, expected.lightColour, sizeof expected.lightColour), 0);
    EXPECT_EQ(std::memcmp(scene.skyColour, expected.skyColour, sizeof expected.skyColour), 0);
    EXPECT_TRUE(sunTickPending()) << "the chain runs on";
}

TEST_F(SunChain, OffAndOnBeforeThePendingTickRunsLeavesOneChain) {
    const auto start = std::chrono::steady_clock::now();
    scheduleSunTick();
    toggleSunLight();
    toggleSunLight();
    ASSERT_TRUE(scene.sunLight);
    runTimersFor(std::chrono::milliseconds(600));
    const double elapsedMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    // The sun starts at x = 800 heading left, one unit per tick. One chain ticks at most once
    // per 20 ms; two would tick about twice as often.
    const double ticks = 800.0 - scene.sunPosition[0];
    EXPECT_GE(ticks, 1.0);
    EXPECT_LE(ticks, elapsedMs / kSunTickMs + 1.0) << "over " << elapsedMs << " ms";
    EXPECT_TRUE(sunTickPending());
}

}  // namespace
