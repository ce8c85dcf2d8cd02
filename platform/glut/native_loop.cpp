// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The main loop natively, in real time: timers fall due on the steady clock, and each turn of the
// loop runs what is due, then the idle callback or a wait.
#include <algorithm>
#include <chrono>
#include <map>
#include <thread>
#include <vector>

#include <GL/freeglut.h>

#include "platform/glut/toolkit.h"

namespace {

using Clock = std::chrono::steady_clock;

// A turn of the loop with nothing due waits no longer than a frame of the browser's.
constexpr auto kLongestWait = std::chrono::milliseconds(16);

// Timers in the order they fall due; equal times in the order they were armed.
std::multimap<Clock::time_point, int> schedule;

}  // namespace

namespace glut::platform {

void startTimer(int timer, unsigned milliseconds) {
    schedule.emplace(Clock::now() + std::chrono::milliseconds(milliseconds), timer);
}

}  // namespace glut::platform

// Fires the timers due now (not those they arm, even for 0 ms), then shows a posted redisplay.
void glutMainLoopEvent(void) {
    const Clock::time_point now = Clock::now();
    std::vector<int> due;
    for (auto next = schedule.begin(); next != schedule.end() && next->first <= now;) {
        due.push_back(next->second);
        next = schedule.erase(next);
    }
    for (const int timer : due) {
        glut::fireTimer(timer);
    }
    glut::showFrameIfPosted();
}

void glutMainLoop(void) {
    for (;;) {
        glutMainLoopEvent();
        if (glut::hasIdle()) {
            glut::runIdle();
        } else if (!glut::redisplayPosted()) {
            Clock::time_point until = Clock::now() + kLongestWait;
            if (!schedule.empty()) {
                until = std::min(until, schedule.begin()->first);
            }
            std::this_thread::sleep_until(until);
        }
    }
}
