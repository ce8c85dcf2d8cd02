// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <GL/glut.h>

#include "anim/anim.h"
#include "app/app.h"

namespace quelmire {

namespace {

constexpr float kPathLimit = 800.0f;
constexpr float kLowSunBand = 50.0f;
constexpr float kLightOffHeight = -25.0f;
constexpr float kLightColourStep = 0.006f;
constexpr float kFixedLightPosition[4] = {0.0f, 800.0f, 0.0f, 1.0f};
constexpr float kFixedLightColour[4] = {1.0f, 1.0f, 1.0f, 1.0f};

bool tickPending = false;

bool beyond(float value, float limit) {
    return value > limit || value < -limit;
}

}  // namespace

void setLight(const float* position, const float* colour, LightOrder order) {
    if (order == LightOrder::kPlaceFirst) {
        glLightfv(GL_LIGHT0, GL_POSITION, position);
    }
    glLightfv(GL_LIGHT0, GL_AMBIENT, colour);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, colour);
    glLightfv(GL_LIGHT0, GL_SPECULAR, colour);
    if (order == LightOrder::kColourFirst) {
        glLightfv(GL_LIGHT0, GL_POSITION, position);
    }
}

bool moveSun() {
    float& x = scene.sunPosition[0];
    float& y = scene.sunPosition[1];
    if (beyond(x + scene.sunStepX, kPathLimit)) {
        scene.sunStepX = -scene.sunStepX;
    }
    if (beyond(y + scene.sunStepY, kPathLimit)) {
        scene.sunStepY = -scene.sunStepY;
    }
    if (scene.skyColour[2] >= 1.0f) {
        scene.skyStepB = -scene.skyStepB;
    }
    const float h = y + scene.sunStepY;
    // Turned on every tick outside the band, not once per crossing: the odd counts per cycle
    // bring the steps back positive at every sunrise.
    if (beyond(h, kLowSunBand)) {
        scene.skyStepR = -scene.skyStepR;
        scene.skyStepG = -scene.skyStepG;
    }
    x = x + scene.sunStepX;
    y = h;
    if (0.0f <= y && y < kLowSunBand) {
        const float step = x > 0.0f ? kLightColourStep : -kLightColourStep;
        scene.lightColour[1] = scene.lightColour[1] + step;
        scene.lightColour[2] = scene.lightColour[2] + step;
    }
    return !(y < kLightOffHeight);
}

void moveSky() {
    const float y = scene.sunPosition[1];
    if (y < 0.0f) {
        scene.skyColour[0] = 0.0f;
        scene.skyColour[1] = 0.0f;
        scene.skyColour[2] = 0.0f;
        scene.skyStepB = -scene.skyStepB;
    } else if (y > 0.0f) {
        if (y < kLowSunBand) {
            scene.skyColour[0] = scene.skyColour[0] + scene.skyStepR;
            scene.skyColour[1] = scene.skyColour[1] + scene.skyStepG;
        }
        scene.skyColour[2] = scene.skyColour[2] + scene.skyStepB;
    }
}

void scheduleSunTick() {
    glutTimerFunc(kSunTickMs, sunTimer, 0);
    tickPending = true;
}

bool sunTickPending() {
    return tickPending;
}

void sunTimer(int) {
    tickPending = false;
    const bool lit = moveSun();
    if (scene.sunLight) {
        if (lit) {
            glEnable(GL_LIGHT0);
        } else {
            glDisable(GL_LIGHT0);
        }
    }
    // Between frames the modelview matrix holds the last frame's camera, so the light lands at
    // the sun's place in the scene as that camera sees it.
    setLight(scene.sunPosition, scene.lightColour, LightOrder::kPlaceFirst);
    moveSky();
    if (scene.sunLight) {
        scheduleSunTick();
    } else {
        setFixedLight();
    }
}

void setFixedLight() {
    // Always on: the last tick may have left light 0 off even when the sun is back at -25.
    glEnable(GL_LIGHT0);
    setLight(kFixedLightPosition, kFixedLightColour, LightOrder::kPlaceFirst);
}

void toggleSunLight() {
    scene.sunLight = !scene.sunLight;
    // A tick still pending picks the chain up again; a second chain would double the pace.
    if (scene.sunLight && !tickPending) {
        scheduleSunTick();
    }
}

}  // namespace quelmire
