// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <GL/glut.h>

#include "assets/assets.h"
#include "common/common.h"
#include "viewer/viewer.h"

namespace brindlefen {

std::unique_ptr<assets::kelImage> start(int& argc, char** argv) {
    // No place asked for: the window system puts it where it likes.
    viewer.windowId = common::openWindow(argc, argv, kViewerWindowSize, kViewerWindowSize,
                                         std::nullopt, kViewerTitle);
    registerCallbacks();
    buildMenu();
    auto grass = createTexture();
    setGlState();
    return grass;
}

void registerCallbacks() {
    common::registerCallbacks({display, keyboard, mouse, motion, reshape});
    // Quelmire redraws from a timer instead.
    glutIdleFunc(idle);
}

void buildMenu() {
    glutCreateMenu(mainMenu);
    common::addMenuEntries(kViewerMenuEntries);
    glutAttachMenu(GLUT_RIGHT_BUTTON);
}

std::unique_ptr<assets::kelImage> createTexture() {
    glEnable(GL_TEXTURE_2D);
    auto grass = assets::makeTexture(viewer.grassTexture, assets::kGrassTextureFile);
    glDisable(GL_TEXTURE_2D);
    return grass;
}

void setGlState() {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    common::setFixedGlState();
    setUpLight();
}

// The modelview matrix is still the identity: the light stays fixed relative to the eye. Its
// colours stay GL's defaults for light 0, where Quelmire gives its light the sun's.
void setUpLight() {
    glLightfv(GL_LIGHT0, GL_POSITION, viewer.lightPosition);
    glEnable(GL_LIGHT0);
}

}  // namespace brindlefen
