// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Quelmire: a pond scene with ducks, a grove, signposts and a sun that crosses the sky.
#include <cstdio>

#include <GL/glut.h>

#include "app/app.h"
#include "common/common.h"

int main(int argc, char** argv) {
    using namespace quelmire;
    if (quadric == nullptr) {
        std::fputs("quelmire: out of memory: cannot create the GLU quadric\n", stderr);
        return 1;
    }
    scene.windowId = common::openWindow(argc, argv, kWindowWidth, kWindowHeight,
                                        common::ScreenPlace{kWindowX, kWindowY}, kWindowTitle);
    registerCallbacks();
    startTimers();
    buildMenus();
    const SceneImages images = createTextures();
    common::setFixedGlState();
    setFogParameters();
    setUpLight();
    printHelp();
    glutMainLoop();
    return 0;
}
