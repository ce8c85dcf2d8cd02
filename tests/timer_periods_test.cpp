// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The period each of Quelmire's four timer chains hands to GLUT, seen at the call itself: this
// program is linked with glutTimerFunc wrapped, and the wrapper only writes the call down, so no
// timer is ever armed and nothing is timed on the clock. A chain at another period draws at
// another frame rate, makes the day another length or the ducks bob at another pace, and no
// picture of a single moment would show it.
#include <ostream>
#include <vector>

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include "anim/anim.h"
#include "app/app.h"
#include "tests/support/quelmire_gl.h"

using namespace quelmire;

namespace {

struct TimerCall {
    unsigned ms;
    void (*callback)(int);
    int value;

    bool operator==(const TimerCall& o) const {
        return ms == o.ms && callback == o.callback && value == o.value;
    }
};

std::ostream& operator<<(std::ostream& out, const TimerCall& call) {
    const char* name = call.callback == redisplayTimer    ? "redisplayTimer"
                       : call.callback == sunTimer        ? "sunTimer"
                       : call.callback == duckOffsetTimer ? "duckOffsetTimer"
                       : call.callback == duckAngleTimer  ? "duckAngleTimer"
                                                          : "another callback";
    return out << "{" << call.ms << " ms, " << name << ", value " << call.value << "}";
}

std::vector<TimerCall> timerCalls;

}  // namespace

extern "C" void __wrap_glutTimerFunc(unsigned int ms, void (*callback)(int), int value) {
    timerCalls.push_back({ms, callback, value});
}

namespace {

using Calls = std::vector<TimerCall>;

class TimerPeriods : public ::testing::Test {
  protected:
    void SetUp() override {
        setUpQuelmireGl();
        timerCalls.clear();
    }
};

TEST_F(TimerPeriods, StartUpArmsRedisplay16DuckAngles108DuckOffsets103AndSun20MsInThatOrder) {
    startTimers();
    EXPECT_EQ(timerCalls, (Calls{{16, redisplayTimer, 0},
                                 {108, duckAngleTimer, 0},
                                 {103, duckOffsetTimer, 0},
                                 {20, sunTimer, 0}}));
}

TEST_F(TimerPeriods, SwitchingTheSunBackOnAfterItsChainEndedRestartsItIn20Ms) {
    scene.sunLight = false;
    sunTimer(0);
    ASSERT_EQ(timerCalls, Calls{}) << "with the fixed light the sun's chain ends";
    toggleSunLight();
    EXPECT_EQ(timerCalls, (Calls{{20, sunTimer, 0}}));
}

// Each tick arms the next one of its own chain, at its own period; the sun's while it shines.
class ReArming : public TimerPeriods, public ::testing::WithParamInterface<TimerCall> {};

TEST_P(ReArming, EachChainsTickArmsItsNextTickAtItsOwnPeriodWithTheValue0) {
    GetParam().callback(0);
    EXPECT_EQ(timerCalls, Calls{GetParam()});
}

INSTANTIATE_TEST_SUITE_P(FourChains, ReArming,
                         ::testing::Values(TimerCall{16, redisplayTimer, 0},
                                           TimerCall{20, sunTimer, 0},
                                           TimerCall{103, duckOffsetTimer, 0},
                                           TimerCall{108, duckAngleTimer, 0}));

}  // namespace
