// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "tests/support/quelmire_gl.h"

#include <GL/glu.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "common/common.h"

using namespace quelmire;

void setUpQuelmireGl() {
    ensureGlWindow(kWindowWidth, kWindowHeight);
    scene = SceneState{};
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    common::setFixedGlState();
    setFogParameters();
    setUpLight();
    glDisable(GL_FOG);
    glDisable(GL_TEXTURE_2D);
    reshape(kWindowWidth, kWindowHeight);
}

std::array<double, 3> projectScenePoint(double x, double y, double z) {
    GLdouble modelview[16];
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    std::array<double, 3> window{};
    gluProject(x, y, z, modelview, projection, viewport, &window[0], &window[1], &window[2]);
    return window;
}

std::array<float, 4> materialOf(GLenum face, GLenum what) {
    std::array<float, 4> value{};
    glGetMaterialfv(face, what, value.data());
    return value;
}

SceneImages createTexturesIn(const std::string& dir) {
    char previous[4096];
    EXPECT_NE(getcwd(previous, sizeof previous), nullptr);
    EXPECT_EQ(chdir(dir.c_str()), 0);
    SceneImages images = createTextures();
    EXPECT_EQ(chdir(previous), 0);
    return images;
}
