// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Quelmire: a pond scene with ducks, a grove, signposts and a sun that crosses the sky.
#include <cstdio>

#include <GL/glut.h>

#include "app/app.h"

int main(int argc, char** argv) {
    using namespace quelmire;
    if (quadric == nullptr) {
        std::fputs("quelmire: out of memory: cannot create the GLU quadric\n", stderr);
        return 1;
    }
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(kWindowWidth, kWindowHeight);
    glutInitWindowPosition(kWindowX, kWindowY);
    glutInit(&argc, argv);
    scene.windowId = glutCreateWindow(kWindowTitle);
    registerCallbacks();
    startTimers();
    buildMenus();
    const SceneImages images = createTextures();
    setFixedGlState();
    setFogParameters();
    setUpLight();
    printHelp();
    glutMainLoop();
    return 0;
}
