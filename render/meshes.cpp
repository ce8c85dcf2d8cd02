// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "app/app.h"
#include "render/render.h"

namespace quelmire {

void drawLand() {
    assets::drawLand(assets::elementModeFor(scene.renderPrimitive));
}

void drawDuck() {
    assets::drawDuck(assets::elementModeFor(scene.renderPrimitive));
}

}  // namespace quelmire
