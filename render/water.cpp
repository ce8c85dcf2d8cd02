// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "app/app.h"
#include "render/render.h"

namespace quelmire {

namespace {

// The quad's corners, as the floats GL gets.
constexpr float kMinX = static_cast<float>(assets::kWaterQuad.minX);
constexpr float kMaxX = static_cast<float>(assets::kWaterQuad.maxX);
constexpr float kMinZ = static_cast<float>(assets::kWaterQuad.minZ);
constexpr float kMaxZ = static_cast<float>(assets::kWaterQuad.maxZ);
constexpr float kHigh = static_cast<float>(assets::kWaterHighY);
constexpr float kLow = static_cast<float>(assets::kWaterLowY);

}  // namespace

void drawWater() {
    glBegin(scene.renderPrimitive);
    // Its own normal, so its lighting does not hang on what the sun sphere sent last.
    glNormal3f(0.0f, 1.0f, 0.0f);
    glVertex3f(kMaxX, kHigh, kMinZ);
    glVertex3f(kMaxX, kLow, kMaxZ);
    glVertex3f(kMinX, kHigh, kMaxZ);
    glVertex3f(kMinX, kLow, kMinZ);
    glEnd();
}

}  // namespace quelmire
