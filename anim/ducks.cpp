// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <cstdlib>

#include <GL/glut.h>

#include "anim/anim.h"
#include "app/app.h"

namespace quelmire {

namespace {

constexpr int kAngleBand = 25;
constexpr int kOffsetHigh = 0;
constexpr int kOffsetLow = -2;

// Three draws, the first two thrown away.
int thirdDraw() {
    std::rand();
    std::rand();
    return std::rand();
}

}  // namespace

int stepDuckAngle(int a) {
    if (a > kAngleBand) {
        scene.duckAngleStep = static_cast<float>(-(1 + thirdDraw() % 3));
    } else if (a < -kAngleBand) {
        scene.duckAngleStep = static_cast<float>(1 + thirdDraw() % 3);
    }
    return static_cast<int>(static_cast<float>(a) + scene.duckAngleStep);
}

int stepDuckOffset(int a) {
    if (a > kOffsetHigh) {
        scene.duckOffsetStep = static_cast<float>(-2 - thirdDraw() % 2);
    } else if (a < kOffsetLow) {
        scene.duckOffsetStep = static_cast<float>(thirdDraw() % 2);
    }
    return static_cast<int>(static_cast<float>(a) + scene.duckOffsetStep);
}

void stepDuckAngles() {
    for (float& angle : scene.duckAngles) {
        angle = static_cast<float>(stepDuckAngle(static_cast<int>(angle)));
    }
}

void stepDuckOffsets() {
    for (float& offset : scene.duckOffsets) {
        offset = static_cast<float>(stepDuckOffset(static_cast<int>(offset)));
    }
}

void duckAngleTimer(int) {
    stepDuckAngles();
    glutTimerFunc(kDuckAngleTickMs, duckAngleTimer, 0);
}

void duckOffsetTimer(int) {
    stepDuckOffsets();
    glutTimerFunc(kDuckOffsetTickMs, duckOffsetTimer, 0);
}

}  // namespace quelmire
