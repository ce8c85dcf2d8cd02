// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <GL/glut.h>

#include "anim/anim.h"
#include "app/app.h"
#include "common/common.h"
#include "input/input.h"
#include "render/render.h"

namespace quelmire {

namespace {

constexpr double kNear = 1.0;
constexpr double kFar = 2000.0;

constexpr float kFogStart = 0.0f;
constexpr float kFogEnd = 850.0f;
constexpr float kFogDensity = 0.002f;
constexpr float kFogColour[4] = {0.7f, 0.7f, 0.7f, 0.0f};

}  // namespace

SceneImages start(int& argc, char** argv) {
    scene.windowId = common::openWindow(argc, argv, kWindowWidth, kWindowHeight,
                                        common::ScreenPlace{kWindowX, kWindowY}, kWindowTitle);
    registerCallbacks();
    startTimers();
    buildMenus();
    SceneImages images = createTextures();
    common::setFixedGlState();
    setFogParameters();
    setUpLight();
    printHelp();
    return images;
}

// No redisplay: the next redisplay tick draws in the new size.
void reshape(int width, int height) {
    common::setPerspective(width, height, kNear, kFar);
}

void redisplayTimer(int) {
    glutPostRedisplay();
    glutTimerFunc(kRedisplayMs, redisplayTimer, 0);
}

void registerCallbacks() {
    common::registerCallbacks({display, keyboard, mouse, motion, reshape});
}

void startTimers() {
    glutTimerFunc(kRedisplayMs, redisplayTimer, 0);
    glutTimerFunc(kDuckAngleTickMs, duckAngleTimer, 0);
    glutTimerFunc(kDuckOffsetTickMs, duckOffsetTimer, 0);
    scheduleSunTick();
}

void buildMenus() {
    const int resetSubmenu = glutCreateMenu(resetMenu);
    common::addMenuEntries(kResetMenuEntries);
    const int renderSubmenu = glutCreateMenu(renderModeMenu);
    common::addMenuEntries(kRenderModeMenuEntries);
    glutCreateMenu(mainMenu);
    common::addMenuEntries(kMainMenuEntriesAbove);
    glutAddSubMenu(kResetSubmenuLabel, resetSubmenu);
    glutAddSubMenu(kRenderModeSubmenuLabel, renderSubmenu);
    common::addMenuEntries(kMainMenuEntriesBelow);
    glutAttachMenu(GLUT_RIGHT_BUTTON);
}

// One after the other, each complete before the next.
SceneImages createTextures() {
    SceneImages images;
    images.wood = assets::makeTexture(scene.woodTexture, assets::kWoodTextureFile);
    images.sign1 = assets::makeTexture(scene.signTexture1, assets::kSign1TextureFile);
    images.sign2 = assets::makeTexture(scene.signTexture2, assets::kSign2TextureFile);
    images.grass = assets::makeTexture(scene.grassTexture, assets::kGrassTextureFile);
    return images;
}

// Fog itself is switched every frame by the scene's fog flag.
void setFogParameters() {
    glFogf(GL_FOG_START, kFogStart);
    glFogf(GL_FOG_END, kFogEnd);
    glFogf(GL_FOG_MODE, static_cast<float>(GL_EXP));
    glFogf(GL_FOG_DENSITY, kFogDensity);
    glFogfv(GL_FOG_COLOR, kFogColour);
}

// The modelview matrix is still the identity, so the light starts in eye coordinates.
void setUpLight() {
    setLight(scene.sunPosition, scene.lightColour, LightOrder::kColourFirst);
    glEnable(GL_LIGHT0);
}

}  // namespace quelmire
