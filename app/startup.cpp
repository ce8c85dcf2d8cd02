// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <cstddef>

#include <GL/glut.h>

#include "anim/anim.h"
#include "app/app.h"
#include "input/input.h"
#include "render/render.h"

namespace quelmire {

namespace {

constexpr double kFieldOfView = 30.0;
constexpr double kAspect = 1.0;  // fixed: a non-square window stretches the picture
constexpr double kNear = 1.0;
constexpr double kFar = 2000.0;

constexpr float kFogStart = 0.0f;
constexpr float kFogEnd = 850.0f;
constexpr float kFogDensity = 0.002f;
constexpr float kFogColour[4] = {0.7f, 0.7f, 0.7f, 0.0f};

}  // namespace

void reshape(int width, int height) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfView, kAspect, kNear, kFar);
    glMatrixMode(GL_MODELVIEW);
}

void redisplayTimer(int) {
    glutPostRedisplay();
    glutTimerFunc(kRedisplayMs, redisplayTimer, 0);
}

void registerCallbacks() {
    glutDisplayFunc(display);
    glutKeyboardFunc(keyboard);
    glutMouseFunc(mouse);
    glutMotionFunc(motion);
    glutReshapeFunc(reshape);
}

void startTimers() {
    glutTimerFunc(kRedisplayMs, redisplayTimer, 0);
    glutTimerFunc(kDuckAngleTickMs, duckAngleTimer, 0);
    glutTimerFunc(kDuckOffsetTickMs, duckOffsetTimer, 0);
    scheduleSunTick();
}

template <std::size_t N>
void addEntries(const MenuEntry (&entries)[N]) {
    for (const MenuEntry& entry : entries) {
        glutAddMenuEntry(entry.label, entry.value);
    }
}

void buildMenus() {
    const int resetSubmenu = glutCreateMenu(resetMenu);
    addEntries(kResetMenuEntries);
    const int renderSubmenu = glutCreateMenu(renderModeMenu);
    addEntries(kRenderModeMenuEntries);
    glutCreateMenu(mainMenu);
    addEntries(kMainMenuEntriesAbove);
    glutAddSubMenu(kResetSubmenuLabel, resetSubmenu);
    glutAddSubMenu(kRenderModeSubmenuLabel, renderSubmenu);
    addEntries(kMainMenuEntriesBelow);
    glutAttachMenu(GLUT_RIGHT_BUTTON);
}

// One after the other, each complete before the next.
SceneImages createTextures() {
    SceneImages images;
    images.wood = makeTexture(scene.woodTexture, kWoodTextureFile);
    images.sign1 = makeTexture(scene.signTexture1, kSign1TextureFile);
    images.sign2 = makeTexture(scene.signTexture2, kSign2TextureFile);
    images.grass = makeTexture(scene.grassTexture, kGrassTextureFile);
    return images;
}

void setFixedGlState() {
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glShadeModel(GL_SMOOTH);
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
