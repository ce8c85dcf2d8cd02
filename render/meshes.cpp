// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "app/app.h"
#include "render/render.h"

void drawLand() {
    drawLand(elementModeFor(scene.renderPrimitive));
}

void drawDuck() {
    drawDuck(elementModeFor(scene.renderPrimitive));
}
