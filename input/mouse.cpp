// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <GL/glut.h>

#include "app/app.h"
#include "common/common.h"
#include "input/input.h"

namespace quelmire {

namespace {

constexpr float kPixelsPerStep = 50.0f;
constexpr float kZoomLow = -500.0f;
constexpr float kZoomHigh = 1000.0f;
constexpr float kPanLimit = 825.0f;

// Whole 50-pixel steps from the press point, truncated toward zero.
float stepsFrom(float from, int to) {
    return static_cast<float>(static_cast<int>((static_cast<float>(to) - from) / kPixelsPerStep));
}

// A step that would reach or pass a limit is dropped whole, never clamped.
void stepWithin(float& value, float step, float low, float high) {
    const float next = value + step;
    if (low < next && next < high) {
        value = next;
    }
}

}  // namespace

void pressButton(int button, int state, int x, int y, int modifiers) {
    common::Camera& camera = scene.camera;
    camera.lastMouseX = static_cast<float>(x);
    camera.lastMouseY = static_cast<float>(y);
    camera.rotating = false;
    camera.zooming = false;
    camera.moving = false;
    if (button != GLUT_LEFT_BUTTON || state != GLUT_DOWN) {
        return;
    }
    if (modifiers == GLUT_ACTIVE_SHIFT) {
        camera.zooming = true;
    } else if (modifiers == GLUT_ACTIVE_CTRL) {
        camera.moving = true;
    } else {
        camera.rotating = true;
    }
}

void mouse(int button, int state, int x, int y) {
    pressButton(button, state, x, y, glutGetModifiers());
}

void motion(int x, int y) {
    common::Camera& camera = scene.camera;
    if (camera.rotating) {
        common::turnByDrag(x, y, camera);
    } else if (camera.zooming) {
        // Zoom and pan measure from the press point: they work as rate controls.
        stepWithin(camera.zoom, stepsFrom(camera.lastMouseY, y), kZoomLow, kZoomHigh);
    } else if (camera.moving) {
        stepWithin(camera.moveX, stepsFrom(camera.lastMouseX, x), -kPanLimit, kPanLimit);
        // Screen y grows downwards, scene y upwards.
        stepWithin(camera.moveY, -stepsFrom(camera.lastMouseY, y), -kPanLimit, kPanLimit);
    }
}

}  // namespace quelmire
