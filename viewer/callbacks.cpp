// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <cstdio>
#include <cstdlib>

#include <GL/glut.h>

#include "assets/assets.h"
#include "viewer/viewer.h"

namespace brindlefen {

namespace {

constexpr float kEyeDistance = 500.0f;
constexpr double kFieldOfView = 30.0;
constexpr double kAspect = 1.0;
// The single-precision 0.01, widened: the depth range depends on the exact value.
constexpr double kNear = static_cast<double>(0.01f);
constexpr double kFar = 1000000.0;

float flipped(float flag) {
    return flag == 0.0f ? 1.0f : 0.0f;
}

}  // namespace

void display() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, viewer.zoom - kEyeDistance);
    glRotatef(viewer.rotationX, 1.0f, 0.0f, 0.0f);
    glRotatef(viewer.rotationY, 0.0f, 1.0f, 0.0f);
    if (viewer.showLand != 0.0f) {
        drawLand(GL_TRIANGLES);
    }
    if (viewer.showDuck != 0.0f) {
        drawDuck(GL_TRIANGLES);
    }
    glFlush();
    glutSwapBuffers();
}

void reshape(int width, int height) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfView, kAspect, kNear, kFar);
    glMatrixMode(GL_MODELVIEW);
    glutPostRedisplay();
}

void idle() {
    glutPostRedisplay();
}

void printHelp() {
    for (const char* line : kViewerHelpLines) {
        std::fputs(line, stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
}

void keyboard(unsigned char key, int, int) {
    switch (key) {
        case 'h':
        case 'H':
            printHelp();
            break;
        case 'x':
        case 'X':
        case 'q':
        case 'Q':
            glutDestroyWindow(viewer.windowId);
            std::exit(0);
        default:
            break;
    }
}

void recordButton(int button, int state, int x, int y) {
    viewer.lastMouseX = static_cast<float>(x);
    viewer.lastMouseY = static_cast<float>(y);
    if (button == GLUT_LEFT_BUTTON && state == GLUT_DOWN) {
        viewer.rotating = true;
    } else if (button == GLUT_LEFT_BUTTON && state == GLUT_UP) {
        viewer.rotating = false;
    }
}

void mouse(int button, int state, int x, int y) {
    recordButton(button, state, x, y);
    glutPostRedisplay();
}

void dragTo(int x, int y) {
    if (!viewer.rotating) {
        return;
    }
    viewer.rotationY += static_cast<float>(x) - viewer.lastMouseX;
    viewer.rotationX += static_cast<float>(y) - viewer.lastMouseY;
    viewer.lastMouseX = static_cast<float>(x);
    viewer.lastMouseY = static_cast<float>(y);
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
