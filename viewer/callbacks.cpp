// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <cstdlib>

#include <GL/glut.h>

#include "assets/assets.h"
#include "common/common.h"
#include "viewer/viewer.h"

namespace brindlefen {

namespace {

// The single-precision 0.01, widened: the depth range depends on the exact value.
constexpr double kNear = static_cast<double>(0.01f);
constexpr double kFar = 1000000.0;

float flipped(float flag) {
    return flag == 0.0f ? 1.0f : 0.0f;
}

}  // namespace

void display() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // No pan in this program: the camera only turns.
    common::placeCamera(viewer.camera);
    if (viewer.showLand != 0.0f) {
        assets::drawLand(GL_TRIANGLES);
    }
    if (viewer.showDuck != 0.0f) {
        assets::drawDuck(GL_TRIANGLES);
    }
    common::finishFrame();
}

// Unlike Quelmire's, it redraws at once: this program has no redisplay timer.
void reshape(int width, int height) {
    common::setPerspective(width, height, kNear, kFar);
    glutPostRedisplay();
}

void idle() {
    glutPostRedisplay();
}

void printHelp() {
    common::printLines(kViewerHelpLines);
}

void keyboard(unsigned char key, int, int) {
    if (common::isQuitKey(key)) {
        common::quitWindow(viewer.windowId);
    }
    if (key == 'h' || key == 'H') {
        printHelp();
    }
}

// Not Quelmire's pressButton: here only the left button starts or ends the turn, other buttons
// leave it running, and there are no modifiers to read.
void recordButton(int button, int state, int x, int y) {
    common::Camera& camera = viewer.camera;
    camera.lastMouseX = static_cast<float>(x);
    camera.lastMouseY = static_cast<float>(y);
    if (button == GLUT_LEFT_BUTTON && state == GLUT_DOWN) {
        camera.rotating = true;
    } else if (button == GLUT_LEFT_BUTTON && state == GLUT_UP) {
        camera.rotating = false;
    }
}

void mouse(int button, int state, int x, int y) {
    recordButton(button, state, x, y);
    glutPostRedisplay();
}

void dragTo(int x, int y) {
    if (viewer.camera.rotating) {
        common::turnByDrag(x, y, viewer.camera);
    }
}

void motion(int x, int y) {
    dragTo(x, y);
    glutPostRedisplay();
}

void toggleLand() {
    viewer.showLand = flipped(viewer.showLand);
    glutPostRedisplay();
}

void toggleDuck() {
    viewer.showDuck = flipped(viewer.showDuck);
    glutPostRedisplay();
}

void mainMenu(int value) {
    switch (value) {
        case kViewerToggleLand:
            toggleLand();
            break;
        case kViewerToggleDuck:
            toggleDuck();
            break;
        case kViewerHelp:
            printHelp();
            break;
        case kViewerQuit:
            std::exit(0);
        default:
            break;
    }
}

}  // namespace brindlefen
