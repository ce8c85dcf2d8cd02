// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "app/app.h"
#include "render/render.h"

namespace quelmire {

void drawLand() {
    ::drawLand(elementModeFor(scene.renderPrimitive));
}

void drawDuck() {
    ::drawDuck(elementModeFor(scene.renderPrimitive));
}

}  // namespace quelmire
