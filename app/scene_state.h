// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Quelmire's whole run-time state: one instance, read and written by the callbacks on the
// GLUT thread. A change shows in the next frame that the redisplay timer asks for.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>

#include "common/common.h"

namespace quelmire {

// Render-mode pairs: the primitive that shapes drawn vertex by vertex pass to glBegin, and
// the GLU draw style of the quadrics. They always change together.
constexpr int kFilledPrimitive = GL_POLYGON;
constexpr int kLinesPrimitive = GL_LINE_STRIP;
constexpr int kPointsPrimitive = GL_POINTS;
constexpr int kFilledStyle = GLU_FILL;
constexpr int kLinesStyle = GLU_LINE;
constexpr int kPointsStyle = GLU_POINT;

struct SceneState {
    // The camera starts turned 5 degrees about x and 50 about y, with the eye 50 units back; the
    // reset commands bring it back to these values. Unpanned, no drag in progress.
    common::Camera camera{/*rotationX=*/5.0f, /*rotationY=*/50.0f, /*zoom=*/450.0f};

    int renderPrimitive = kFilledPrimitive;
    int quadricStyle = kFilledStyle;

    // Sun, light and sky, advanced once per sun tick while sunLight is true.
    bool sunLight = true;
    float sunPosition[4] = {800.0f, 0.0f, 0.0f, 1.0f};
    float lightColour[4] = {1.0f, 0.7f, 0.7f, 1.0f};
    float skyColour[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float sunStepX = -1.0f;
    float sunStepY = -sunStepX;
    float skyStepR = 0.003f;
    float skyStepG = 0.0015f;
    float skyStepB = 0.00125f;

    // Ducks 0, 1, 2 in drawing order; the walks store whole numbers only.
    float duckAngles[3] = {-24.0f, 6.0f, 17.0f};
    float duckOffsets[3] = {-1.0f, -0.0f, -2.0f};
    float duckAngleStep = 2.0f;
    float duckOffsetStep = 1.0f;

    bool fogOn = false;

    int windowId = 0;
    GLuint woodTexture = 0;
    GLuint signTexture1 = 0;
    GLuint signTexture2 = 0;
    GLuint grassTexture = 0;
};

// The one instance. Its construction sets sunStepY from sunStepX; then the quadric below is
// made. A GLU quadric needs no GL context, so both run before main.
inline SceneState scene;

// The one quadric behind every cylinder and sphere; never deleted. Null only if memory ran out.
inline GLUquadric* quadric = gluNewQuadric();

}  // namespace quelmire
