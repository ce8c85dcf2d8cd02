// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "tools/docs_pictures/quelmire_frames.h"

#include <GL/glut.h>

#include "anim/anim.h"
#include "common/common.h"
#include "render/render.h"
#include "tools/docs_pictures/read_back.h"

using namespace quelmire;

SceneImages startQuelmire(int size) {
    SceneImages images = createTextures();
    common::setFixedGlState();
    setFogParameters();
    setUpLight();
    reshape(size, size);
    return images;
}

void tickSun(int ticks) {
    display();
    for (int i = 0; i < ticks; ++i) {
        sunTimer(0);
    }
}

std::vector<unsigned char> drawFrame(int size) {
    display();
    display();
    return readBackFrame(size, size).rgb;
}
